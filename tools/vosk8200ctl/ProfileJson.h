#pragma once

#include <QJsonObject>
#include <QString>

#include "profile/ProfileRecord.h"

// The JSON form of a .profile file: exactly the fields the file holds, under the record's names.

QJsonObject ProfileToJson(const ProfileRecord& record);

// Fills the record from JSON, or returns false and names the offending key in `error`
// ("buttons[2].function: …"). A missing key, an unknown key, a wrong type or a value outside its
// field's range refuses the whole object; the record is only changed on success.
bool ProfileFromJson(const QJsonObject& json, ProfileRecord& record, QString& error);
