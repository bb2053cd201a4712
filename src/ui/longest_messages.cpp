#include "ui/longest_messages.hpp"

#include "base/utf8_text.hpp"
#include "form/form1_model.hpp"
#include "form/form_notes.hpp"
#include "words/date_refusals.hpp"

#include <string>

namespace skyanchor {

QStringList longestMessages(const QString& dateExample) {
    const std::string example = dateExample.toStdString();
    const std::string typed(kExcerptCharacters + 1, 'W');
    const TypedNumber tooPrecise{typed, 1e300};  // too large to tell seconds apart
    const TypedNumber plain{"1", 1.0};
    const Failure overflow(FailureNumber::Overflow);
    const auto noDate = [](std::string reason) { return noDateText(Failure(FailureNumber::TypeMismatch, std::move(reason))); };
    QStringList messages;
    for (const std::string& message :
         {mjdNoDateText(tooPrecise, overflow, true), linesNeedText(overflow, tooPrecise, plain),
          words::readAs("MJD", typed, "1", typed, mjdAcceptsText()),
          noDate(words::dateRefusal(words::DatePieceFault::UnknownWord, typed, example)),
          noDate(words::dateRefusal(words::DateTextFault::NoSuchTime, example)),
          cutNotice(Control::txtDateandTime, kFieldTextLimit)}) {
        messages << QString::fromStdString(message);
    }
    return messages;
}

}  // namespace skyanchor
