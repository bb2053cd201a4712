#pragma once

namespace skyanchor {

// The local wall-clock date and time, to the whole second, as a date serial.
[[nodiscard]] double readClockSerial();

}  // namespace skyanchor
