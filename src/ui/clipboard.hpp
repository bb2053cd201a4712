#pragma once

#include <QString>

namespace skyanchor {

// The two clipboard operations the copy buttons use, each a step that can fail.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
};

// The desktop's clipboard. Setting the text fails when another program keeps the clipboard from
// taking it.
class SystemClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
};

}  // namespace skyanchor
