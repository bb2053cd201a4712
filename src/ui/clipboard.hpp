#pragma once

#include "form/form_services.hpp"

namespace skyanchor {

// The desktop's clipboard. Setting the text fails when another program keeps the clipboard from
// taking it.
class SystemClipboard final : public Clipboard {
public:
    void clear() override;
    Status setText(const std::string& text) override;
};

}  // namespace skyanchor
