#pragma once

#include <QImage>

// The pictures that are not screens.
QImage SliderThumb(bool enabled);  // "Slider_Normal", "Slider_Disable"
QImage Slider3DThumb(int thumb);   // "Slider1" … "Slider3"
QImage ColorPanelPicture();        // "ColorPanel"
QImage MousePicture();             // "Mouse.png": the LED zones transparent
QImage ScrollPicture(int look);    // "Scroll_*": 0 Normal, 1 Over, 2 Down
QImage SurfacePicture(int level);  // "0.bmp" … "100.bmp": level 0 … 10
QImage AnalysisFrame(int frame);   // "TQA2-1.bmp" … "TQA2-3.bmp": frame 0 … 2
