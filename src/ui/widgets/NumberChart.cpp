#include "ui/widgets/NumberChart.h"

#include "ui/widgets/Module.h"

namespace qv {
namespace {

QString& LoadError() {
    static QString error;
    return error;
}

} // namespace

std::unique_ptr<NumberChart> MakeNumberChart(QWidget* parent) {
    static const auto make = reinterpret_cast<QvMakeNumberChartFunction>(
        LoadModuleFunction(QStringLiteral("qv_chart"), "QvMakeNumberChart", LoadError()));
    if (make == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<NumberChart>(make(parent));
}

QString NumberChartLoadError() {
    return LoadError();
}

} // namespace qv
