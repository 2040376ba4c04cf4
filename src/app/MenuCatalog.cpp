#include "app/MenuCatalog.h"

#include <QCoreApplication>

namespace quillan::app {
namespace {

QString tr(const char* text) { return QCoreApplication::translate("quillan::app::MenuCatalog", text); }

}  // namespace

const std::vector<ContentMenu>& contentMenus() {
  static const std::vector<ContentMenu> menus{
      {tr("育儿知识"),
       {tr("育儿知识天天读"), tr("育儿知识月月读"), QString(), tr("新生儿知识"), tr("新生儿护理"), QString(),
        tr("母婴交流"), tr("潜能开发"), tr("育儿经验")}},
      {tr("民俗知识"),
       {tr("百家姓"), tr("三字经"), tr("三十六计"), tr("常用多音字表"), tr("中国古代计时法"), tr("中外节日表"),
        tr("二十四节气表"), tr("万年历查询")}},
      {tr("生肖运程"),
       {tr("属鼠2013运程"), tr("属牛2013运程"), tr("属虎2013运程"), tr("属兔2013运程"), tr("属龙2013运程"),
        tr("属蛇2013运程"), tr("属马2013运程"), tr("属羊2013运程"), tr("属猴2013运程"), tr("属鸡2013运程"),
        tr("属狗2013运程"), tr("属猪2013运程")}},
      {tr("宝宝听儿歌"),
       {tr("卖报歌"), tr("蓝精灵"), tr("葫芦娃"), tr("对数歌"), tr("读书郎"), tr("早操歌"), tr("娃哈哈"), tr("上学歌"),
        tr("凑数歌"), tr("猜一猜"), tr("小马车")}},
      {tr("宝宝听故事"),
       {tr("狼和小羊"), tr("灰姑娘"), tr("小马过河"), tr("小猴子下山"), tr("一只笨狼"), tr("莹火虫找朋友"),
        tr("猴子捞月亮"), tr("聪明的乌龟"), tr("聪明的小鸭子"), tr("聪明的小花猫"), tr("狮子和鹿"), tr("白雪公主1"),
        tr("白雪公主2"), tr("白雪公主3")}},
  };
  return menus;
}

const std::vector<PageTarget>& pageTargets() {
  static const std::vector<PageTarget> targets{
      {tr("姓名生成"), QStringLiteral("generate"), 0, -1},   {tr("姓名评分"), QStringLiteral("score"), 1, 1},
      {tr("评定证书"), QStringLiteral("certificate"), 1, 0}, {tr("民俗预测"), QStringLiteral("folk"), 3, -1},
      {tr("命运测算"), QStringLiteral("fate"), 2, 0},        {tr("更多功能"), QStringLiteral("more"), 4, -1},
  };
  return targets;
}

}  // namespace quillan::app
