#include "content/Festivals.h"

#include <algorithm>
#include <array>
#include <optional>

#include "calendar/CalendarRange.h"
#include "calendar/LunarDate.h"
#include "calendar/SolarTerm.h"

namespace quillan::content {
namespace {

using enum FestivalGroup;
using enum FestivalRule;

constexpr std::array<Festival, 44> kFestivals = {{
    {"春节", ChineseTraditional, Lunar, 1, 1, 0, "农历新年，拜年、贴春联、吃团圆饭"},
    {"元宵节", ChineseTraditional, Lunar, 1, 15, 0, "新年第一个月圆之夜，赏花灯、猜灯谜、吃元宵"},
    {"龙抬头", ChineseTraditional, Lunar, 2, 2, 0, "俗称“二月二”，春耕将始，有理发“剃龙头”的习俗"},
    {"清明节", ChineseTraditional, SolarTerm, 0, 6, 0, "扫墓祭祖，也是踏青郊游的好时节"},
    {"端午节", ChineseTraditional, Lunar, 5, 5, 0, "赛龙舟、包粽子、挂艾草，纪念屈原"},
    {"七夕节", ChineseTraditional, Lunar, 7, 7, 0, "源于牛郎织女的传说，古时女孩在这天“乞巧”"},
    {"中元节", ChineseTraditional, Lunar, 7, 15, 0, "追思先人的日子"},
    {"中秋节", ChineseTraditional, Lunar, 8, 15, 0, "赏月、吃月饼，家人盼团圆"},
    {"重阳节", ChineseTraditional, Lunar, 9, 9, 0, "登高、赏菊，也是敬老的节日"},
    {"冬至", ChineseTraditional, SolarTerm, 0, 23, 0, "白昼最短的一天，北方吃饺子，南方吃汤圆"},
    {"腊八节", ChineseTraditional, Lunar, 12, 8, 0, "喝腊八粥，从这天起年味渐浓"},
    {"小年", ChineseTraditional, Lunar, 12, 23, 0, "祭灶、扫尘，准备过年；南方不少地方在腊月廿四"},
    {"除夕", ChineseTraditional, LunarYearEve, 0, 0, 0, "一年的最后一晚，吃年夜饭、守岁"},
    {"元旦", Chinese, Gregorian, 1, 1, 0, "公历新年的第一天"},
    {"植树节", Chinese, Gregorian, 3, 12, 0, "春天种下一棵树，可以带孩子一起浇水"},
    {"青年节", Chinese, Gregorian, 5, 4, 0, "纪念1919年的五四运动"},
    {"中国共产党建党纪念日", Chinese, Gregorian, 7, 1, 0, "纪念中国共产党的成立"},
    {"建军节", Chinese, Gregorian, 8, 1, 0, "中国人民解放军建军纪念日"},
    {"教师节", Chinese, Gregorian, 9, 10, 0, "向老师道一声感谢"},
    {"国庆节", Chinese, Gregorian, 10, 1, 0, "中华人民共和国成立纪念日"},
    {"情人节", International, Gregorian, 2, 14, 0, "源自西方，表达爱意的日子"},
    {"国际妇女节", International, Gregorian, 3, 8, 0, "纪念妇女争取平等权利的节日"},
    {"愚人节", International, Gregorian, 4, 1, 0, "源自西方，开无伤大雅的玩笑"},
    {"世界卫生日", International, Gregorian, 4, 7, 0, "世界卫生组织成立纪念日，每年有一个健康主题"},
    {"世界地球日", International, Gregorian, 4, 22, 0, "关爱地球、保护环境"},
    {"世界读书日", International, Gregorian, 4, 23, 0, "和孩子一起读一本书"},
    {"国际劳动节", International, Gregorian, 5, 1, 0, "纪念劳动者的节日"},
    {"母亲节", International, NthWeekday, 5, 2, 0, "感谢妈妈的日子"},
    {"国际护士节", International, Gregorian, 5, 12, 0, "南丁格尔的生日"},
    {"国际家庭日", International, Gregorian, 5, 15, 0, "联合国设立，关注家庭的日子"},
    {"世界无烟日", International, Gregorian, 5, 31, 0, "远离烟草，孕妇和孩子更要远离二手烟"},
    {"国际儿童节", International, Gregorian, 6, 1, 0, "孩子们自己的节日"},
    {"世界环境日", International, Gregorian, 6, 5, 0, "保护我们共同的家园"},
    {"父亲节", International, NthWeekday, 6, 3, 0, "感谢爸爸的日子"},
    {"世界母乳喂养周", International, Gregorian, 8, 1, 0, "8月1日至7日，倡导和支持母乳喂养"},
    {"国际和平日", International, Gregorian, 9, 21, 0, "联合国设立，祈愿世界和平"},
    {"国际老年人日", International, Gregorian, 10, 1, 0, "联合国设立，关爱老年人"},
    {"世界粮食日", International, Gregorian, 10, 16, 0, "珍惜粮食，从不剩饭做起"},
    {"万圣节前夜", International, Gregorian, 10, 31, 0, "源自西方，孩子们装扮后讨糖果"},
    {"感恩节", International, NthWeekday, 11, 4, 4, "美国的节日，感谢一年的收获"},
    {"世界艾滋病日", International, Gregorian, 12, 1, 0, "普及防治知识，关爱病人"},
    {"国际残疾人日", International, Gregorian, 12, 3, 0, "关注和帮助残障人士"},
    {"平安夜", International, Gregorian, 12, 24, 0, "圣诞节的前一晚"},
    {"圣诞节", International, Gregorian, 12, 25, 0, "源自西方的节日，如今也是冬日里的欢乐时光"},
}};

constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};
constexpr std::array<std::string_view, 5> kOrdinals = {"一", "二", "三", "四", "五"};

std::optional<calendar::Date> nthWeekday(int year, int month, int n, int weekday) {
  const int first = weekdayOf(calendar::Date{year, month, 1});
  const calendar::Date date{year, month, 1 + (weekday - first + 7) % 7 + 7 * (n - 1)};
  return calendar::isValid(date) ? std::optional(date) : std::nullopt;
}

}  // namespace

std::span<const Festival> festivals() { return kFestivals; }

int weekdayOf(const calendar::Date& date) {
  // 1970-01-01 was a Thursday.
  return static_cast<int>(((calendar::dayNumber(date) + 4) % 7 + 7) % 7);
}

std::string_view weekdayName(int weekday) {
  return weekday < 0 || weekday > 6 ? std::string_view{} : kWeekdays[static_cast<std::size_t>(weekday)];
}

std::string festivalRuleText(const Festival& festival) {
  switch (festival.rule) {
    case Gregorian:
      return std::to_string(festival.month) + "月" + std::to_string(festival.day) + "日";
    case Lunar:
      return calendar::LunarDate{0, festival.month, false, festival.day, 30}.monthText() +
             calendar::LunarDate{0, festival.month, false, festival.day, 30}.dayText();
    case LunarYearEve:
      return "腊月最后一天";
    case SolarTerm:
      return calendar::solarTermName(festival.day) + "当天";
    case NthWeekday:
      return std::to_string(festival.month) + "月第" +
             std::string(kOrdinals[static_cast<std::size_t>(festival.day - 1)]) + "个" +
             std::string(weekdayName(festival.weekday));
  }
  return {};
}

std::vector<FestivalDay> festivalDaysOf(int year) {
  std::vector<FestivalDay> days;
  const auto terms = calendar::solarTermsOf(year);
  if (!terms) {
    return days;
  }
  // The lunar dates of the year and of the day after it (for the eve of 正月初一).
  const auto firstDay = calendar::dayNumber(calendar::Date{year, 1, 1});
  const auto lastDay = calendar::dayNumber(calendar::Date{year, 12, 31});
  std::vector<std::optional<calendar::LunarDate>> lunar;
  for (auto day = firstDay; day <= lastDay + 1; ++day) {
    lunar.push_back(calendar::lunarDateOf(calendar::dateOfDayNumber(day)));
  }
  for (const auto& festival : kFestivals) {
    switch (festival.rule) {
      case Gregorian:
        days.push_back({&festival, calendar::Date{year, festival.month, festival.day}});
        break;
      case SolarTerm:
        days.push_back({&festival, (*terms)[static_cast<std::size_t>(festival.day)].moment.date});
        break;
      case NthWeekday:
        if (const auto date = nthWeekday(year, festival.month, festival.day, festival.weekday)) {
          days.push_back({&festival, *date});
        }
        break;
      case Lunar:
      case LunarYearEve:
        for (std::size_t i = 0; i + 1 < lunar.size(); ++i) {
          const auto& today = lunar[i];
          const auto& tomorrow = lunar[i + 1];
          const bool match = festival.rule == Lunar
                                 ? today && !today->leap && today->month == festival.month && today->day == festival.day
                                 : tomorrow && !tomorrow->leap && tomorrow->month == 1 && tomorrow->day == 1;
          if (match) {
            days.push_back({&festival, calendar::dateOfDayNumber(firstDay + static_cast<std::int64_t>(i))});
          }
        }
        break;
    }
  }
  std::stable_sort(days.begin(), days.end(),
                   [](const FestivalDay& a, const FestivalDay& b) { return a.date < b.date; });
  return days;
}

}  // namespace quillan::content
