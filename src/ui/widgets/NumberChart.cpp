#include "ui/widgets/NumberChart.h"

#include "ui/widgets/Module.h"

namespace qv {

std::unique_ptr<NumberChart> MakeNumberChart(QWidget* parent) {
    return MakeFromModule<NumberChart>(QStringLiteral("qv_chart"), "QvMakeNumberChart", parent);
}

QString NumberChartLoadError() {
    return ModuleLoadError<NumberChart>();
}

} // namespace qv
