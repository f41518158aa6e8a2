#pragma once

#include <QString>

#include "profile/ProfileRecord.h"

// A profile as a person reads it: labels, units and the meaning of each code.
QString DescribeProfile(const ProfileRecord& record);
