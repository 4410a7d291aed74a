#pragma once
// Enumerations that the windows and the storage share.
#include <cstdint>

// The mode in which the event editor opens.
enum class TFormMode : std::uint8_t { Add = 0, Edit = 1 };

// The order of the day list by the events' dates; Asc puts the oldest first.
enum class TSortOrder : std::uint8_t { Asc = 0, Desc = 1 };
