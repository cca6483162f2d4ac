#pragma once

namespace qv {

// The program's help: topics by their context number.
class Help {
public:
    virtual ~Help() = default;

    virtual void ShowTopic(int context) = 0;
};

} // namespace qv
