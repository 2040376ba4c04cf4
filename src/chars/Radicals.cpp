#include "chars/Radicals.h"

#include "common/TextSplit.h"

namespace quillan::chars {
namespace {

// The 214 Kangxi radicals in number order, as a simplified text writes them.
constexpr std::string_view kRadicals =
    "一丨丶丿乙亅二亠人儿入八冂冖冫几凵刀力勹匕匚匸十卜卩厂厶又口囗土士夂夊夕大女子宀"
    "寸小尢尸屮山巛工己巾干幺广廴廾弋弓彐彡彳心戈户手支攴文斗斤方无日曰月木欠止歹殳毋"
    "比毛氏气水火爪父爻爿片牙牛犬玄玉瓜瓦甘生用田疋疒癶白皮皿目矛矢石示禸禾穴立竹米纟"
    "缶网羊羽老而耒耳聿肉臣自至臼舌舛舟艮色艹虍虫血行衣襾见角讠谷豆豕豸贝赤走足身车辛"
    "辰辶阝酉釆里钅长门阝隶隹雨青非面革韦韭音页风飞饣首香马骨高髟鬥鬯鬲鬼鱼鸟卤鹿麦麻"
    "黄黍黑黹黾鼎鼓鼠鼻齐齿龙龟龠";

}  // namespace

std::string radicalName(int radical) {
  static const auto names = common::splitCharacters(kRadicals);
  if (radical < 1 || radical > static_cast<int>(names.size())) {
    return {};
  }
  return names[static_cast<std::size_t>(radical - 1)];
}

}  // namespace quillan::chars
