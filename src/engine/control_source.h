#pragma once
// The three questions the engine asks of the design conditions, keyed by control name.
// The design-conditions window model answers them, and so does anything else that
// holds the same controls (a loaded .dat file, a test fixture).

#include <string>
#include <string_view>

namespace stelvar {

class ControlSource {
public:
    virtual ~ControlSource() = default;
    // Text of an edit or combo box.
    virtual std::string Text(std::string_view name) const = 0;
    // Selected index of a selection group, page control or tab control.
    virtual int Index(std::string_view name) const = 0;
    // Checked state of a check box.
    virtual bool Checked(std::string_view name) const = 0;
};

}  // namespace stelvar
