#pragma once

// The Chinese calendar for 1901-01-01 … 2100-12-31, computed from the Sun and the Moon.
//
// Conventions:
// - Every time given or returned is China Standard Time (UTC+8). One historical exception in the
//   lunar months only: the almanacs of 1912–1928 dated new moons and 中气 by Beijing mean time
//   (UTC+7:45:40), so a new moon in the first 14 min 20 s after midnight started its month the day
//   before; we follow them (it moves 1914-11-17, 1916-02-03 and 1920-11-10).
// - Solar terms are the moments the Sun's apparent longitude reaches a multiple of 15° (定气),
//   from a truncated VSOP87 theory of the Earth with nutation, aberration and ΔT. Each lunar month
//   starts on the day of a new moon (Meeus's lunar-phase series with ΔT). 冬至 always falls in the
//   冬月 (month 11); a 岁 (冬月 to 冬月) of thirteen months repeats the number of its first month
//   that holds no 中气, as a leap month (闰).
// - The year pillar changes at the exact moment of 立春; the month pillar at the exact moment of
//   each of the twelve 节; the day pillar at midnight; the hour pillar follows the two-hour
//   branches, and 23:00–24:00 takes the 子 hour of the next day's stem.
// - The lunar year, its sexagenary name and its zodiac animal change on 正月初一.
// - Texts: the year as its sexagenary name ("癸巳"); months "正月", "二月" … "十月", "冬月", "腊月",
//   with "闰" before a leap month; days "初一" … "初十", "十一" … "二十", "廿一" … "廿九", "三十".
//   The certificate's lunar date reads "癸巳年 四月 十一".
// - After 2050 the day of a new moon within a minute of midnight rests on the forecast of ΔT
//   (2057-09-29 and 2097-08-08 are such midnights); see DeltaT.h.
// - Outside the range every operation says so: std::nullopt, or empty texts where the certificate
//   wants texts (the pillars of years up to 1900). Nothing is extrapolated.

#include "calendar/CalendarRange.h"
#include "calendar/Date.h"
#include "calendar/DateTime.h"
#include "calendar/FourPillars.h"
#include "calendar/LunarDate.h"
#include "calendar/MonthView.h"
#include "calendar/Sexagenary.h"
#include "calendar/SolarTerm.h"
