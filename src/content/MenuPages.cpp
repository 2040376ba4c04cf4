#include "content/MenuPages.h"

#include <array>

namespace quillan::content {
namespace {

constexpr std::string_view kFolk = "mszs/mszs/";

constexpr std::array<MenuPage, 8> kFolkPages = {{
    {"百家姓", kFolk, "bjx.htm"},
    {"三字经", kFolk, "szj.htm"},
    {"三十六计", kFolk, "sslj.htm"},
    {"常用多音字表", kFolk, "cydyzb.htm"},
    {"中国古代计时法", kFolk, "zggddjsf.htm"},
    {"中外节日表", kFolk, "zwzyjrjb.htm"},
    {"二十四节气表", kFolk, "essjqb.htm"},
    {"万年历查询", kFolk, "wannianli.htm"},
}};

constexpr std::array<MenuPage, 12> kZodiacPages = {{
    {"属鼠2013运程", "shengxiao/", "1.htm"},
    {"属牛2013运程", "shengxiao/", "2.htm"},
    {"属虎2013运程", "shengxiao/", "3.htm"},
    {"属兔2013运程", "shengxiao/", "4.htm"},
    {"属龙2013运程", "shengxiao/", "5.htm"},
    {"属蛇2013运程", "shengxiao/", "6.htm"},
    {"属马2013运程", "shengxiao/", "7.htm"},
    {"属羊2013运程", "shengxiao/", "8.htm"},
    {"属猴2013运程", "shengxiao/", "9.htm"},
    {"属鸡2013运程", "shengxiao/", "10.htm"},
    {"属狗2013运程", "shengxiao/", "11.htm"},
    {"属猪2013运程", "shengxiao/", "12.htm"},
}};

constexpr std::array<MenuPage, 11> kRhymePages = {{
    {"卖报歌", "erge/", "1.htm"},
    {"蓝精灵", "erge/", "2.htm"},
    {"葫芦娃", "erge/", "3.htm"},
    {"对数歌", "erge/", "4.htm"},
    {"读书郎", "erge/", "5.htm"},
    {"早操歌", "erge/", "6.htm"},
    {"娃哈哈", "erge/", "7.htm"},
    {"上学歌", "erge/", "8.htm"},
    {"凑数歌", "erge/", "9.htm"},
    {"猜一猜", "erge/", "10.htm"},
    {"小马车", "erge/", "11.htm"},
}};

constexpr std::array<MenuPage, 14> kStoryPages = {{
    {"狼和小羊", "gushi/", "1.htm"},
    {"灰姑娘", "gushi/", "2.htm"},
    {"小马过河", "gushi/", "3.htm"},
    {"小猴子下山", "gushi/", "4.htm"},
    {"一只笨狼", "gushi/", "5.htm"},
    {"莹火虫找朋友", "gushi/", "6.htm"},
    {"猴子捞月亮", "gushi/", "7.htm"},
    {"聪明的乌龟", "gushi/", "8.htm"},
    {"聪明的小鸭子", "gushi/", "9.htm"},
    {"聪明的小花猫", "gushi/", "10.htm"},
    {"狮子和鹿", "gushi/", "11.htm"},
    {"白雪公主1", "gushi/", "12.htm"},
    {"白雪公主2", "gushi/", "13.htm"},
    {"白雪公主3", "gushi/", "14.htm"},
}};

}  // namespace

std::span<const MenuPage> folkPages() { return kFolkPages; }
std::span<const MenuPage> zodiacPages() { return kZodiacPages; }
std::span<const MenuPage> rhymePages() { return kRhymePages; }
std::span<const MenuPage> storyPages() { return kStoryPages; }

}  // namespace quillan::content
