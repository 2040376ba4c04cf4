#include "evaluate/Verdict.h"

namespace quillan::evaluate {

std::string_view verdictSentence(double score) {
  const int whole = static_cast<int>(score);
  if (whole < 71) {
    return "你的名字结合你的先天条件来看，不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。";
  }
  if (whole < 75) {
    return "你的名字起得不算理想，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
  }
  if (whole < 80) {
    return "你的名字只能算是一般，要想赢得成功，必须比别人付出更多的艰辛和汗水。";
  }
  if (whole < 85) {
    return "你的名字还算可以。虽然人生路途中会遇到一些困难，但只要努力，还是会有很多收获的。";
  }
  if (whole < 90) {
    return "你的名字起得相当不错，但别忘了要想成功，还要继续努力哟。";
  }
  if (whole < 95) {
    return "你的名字起得很好，相信它会助你一生顺利的，祝你好运。";
  }
  return "你的名字起得非常棒，成功与惊喜会伴随你的一生。但千万注意不要失去上进心。";
}

}  // namespace quillan::evaluate
