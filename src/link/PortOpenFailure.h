#pragma once
// When a serial device does not open, find out why (missing, no permission and which group grants it,
// held by another program, not a serial device) and tell the user in message 80's prompt. The desktop
// program and zt46 show the same text.

namespace zt46 {

class SerialPort;
class UserPrompts;

// Message 80 ("Problem with COM port") followed by the reason, for a port whose Reopen() failed (id 80,
// OK button, stop icon).
void ReportOpenFailure(UserPrompts& prompts, const SerialPort& port);

} // namespace zt46
