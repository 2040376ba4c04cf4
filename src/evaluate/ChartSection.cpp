#include "evaluate/ChartSection.h"

#include "bazi/ChartText.h"

namespace quillan::evaluate {
namespace {

std::string row(std::string_view label, const std::string& content) {
  return "<tr><td width=\"22%\" valign=\"top\"><b>" + std::string(label) + "</b></td><td>" + content + "</td></tr>\n";
}

}  // namespace

std::string chartSectionHtml(const bazi::BirthChart& chart, const std::vector<chars::CharRecord>& given) {
  std::string missing;
  for (bazi::Element element : chart.missing) {
    missing += bazi::elementName(element);
  }
  std::string bring;
  for (const auto& record : given) {
    if (record.simplified.empty()) {
      continue;
    }
    bazi::Element element{};
    std::string what = "字意五行不明";
    if (bazi::elementOfName(record.element, element)) {
      what = "字意五行" + record.element + "，" +
             (element == chart.yongshen ? std::string("补用神")
              : element == chart.xishen ? std::string("补喜神")
                                        : std::string("不是喜用神"));
    }
    bring += (bring.empty() ? "" : "<br>") + ("「" + record.simplified + "」" + what);
  }
  std::string html = "<h2>八字五行</h2>\n<table width=\"100%\" cellspacing=\"0\" cellpadding=\"6\">\n";
  html += row("八字", bazi::chartLine(chart));
  html += row("五行个数", bazi::countsText(chart) + "；五行缺：" + (missing.empty() ? std::string("不缺") : missing));
  html += row("喜用神", bazi::reasonSentence(chart));
  html += row("名字补益", bring);
  html += row("说明", "<span class=\"note\">八字五行是传统民俗的一种看法，这里按一种写明的方法计算，仅供参考。</span>");
  return html + "</table>\n";
}

}  // namespace quillan::evaluate
