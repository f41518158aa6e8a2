#include "MacroJson.h"

#include <QJsonArray>

namespace {

QJsonArray RectToJson(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

QJsonObject MacroToJson(const CMacro& macro) {
    QJsonArray events;
    for (const CEventItem& event : macro.events) {
        events.append(QJsonObject{
            {"kind", event.kind},
            {"keyCode", event.keyCode},
            {"direction", event.direction},
            {"delay", event.delay},
            {"rect", RectToJson(event.rect)},
            {"selected", event.selected},
            {"itemId", event.itemId},
        });
    }
    return {
        {"macroId", macro.macroId},
        {"name", QString::fromStdU16String(macro.name)},
        {"viewRect", RectToJson(macro.viewRect)},
        {"events", events},
    };
}
