#pragma once

#include <QJsonObject>

#include "macro/Macro.h"

// A library macro as JSON: macroId, name, viewRect and every event with its row.
QJsonObject MacroToJson(const CMacro& macro);
