#include "ui/frame/HelpViewer.h"

#include "ui/frame/TFHilfe.h"

namespace qv {

HelpViewer::HelpViewer() = default;
HelpViewer::~HelpViewer() = default;

void HelpViewer::ShowTopic(int context) {
    if (!m_window) {
        m_window = std::make_unique<TFHilfe>();
    }
    m_window->ShowTopic(context);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace qv
