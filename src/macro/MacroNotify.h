#pragma once

// Codes the macro list and editor send to their owner (and the editor to itself), with a value.
inline constexpr int kScrollBarId = 100;     // the scroll bar reports its position
inline constexpr int NM_MACRO_SELECT = 103;  // a row was selected or added: row identifier
inline constexpr int NM_MACRO_DELETE = 104;  // a row is about to go: row identifier
inline constexpr int NM_SCROLL_RANGE = 110;  // the rows overflow the view: last row index
inline constexpr int NM_SHOW_ROW = 115;      // scroll so that the row shows: row index
inline constexpr int NM_START_RECORD = 116;  // start recording: 1 before, 2 after the event
