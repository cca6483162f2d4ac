#pragma once

#include "platform/Help.h"

#include <QList>

namespace qv {

class FakeHelp final : public Help {
public:
    void ShowTopic(int context) override { topics.append(context); }

    QList<int> topics;
};

} // namespace qv
