#include "evaluate/ReportTemplates.h"

namespace quillan::evaluate {
namespace embedded {
std::string_view htmlReportTemplate();
std::string_view textReportTemplate();
}  // namespace embedded

std::string_view htmlReportTemplate() { return embedded::htmlReportTemplate(); }
std::string_view textReportTemplate() { return embedded::textReportTemplate(); }

}  // namespace quillan::evaluate
