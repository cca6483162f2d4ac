#pragma once

#include "platform/Help.h"

#include <memory>

namespace qv {

class TFHilfe;

// The help of the running program: the help window, created when first asked for.
class HelpViewer final : public Help {
public:
    HelpViewer();
    ~HelpViewer() override;

    void ShowTopic(int context) override;
    TFHilfe* Window() const { return m_window.get(); }

private:
    std::unique_ptr<TFHilfe> m_window;
};

} // namespace qv
