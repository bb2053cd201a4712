#pragma once

namespace skyanchor {

// The present instant in UT, to the whole second, as a date serial: the date field names UT
// whatever the machine's time zone.
[[nodiscard]] double readClockSerial();

}  // namespace skyanchor
