#pragma once
// When a serial device does not open, find out why (missing, no permission and which group grants it,
// held by another program, not a serial device) and tell the user in message 80's prompt. The desktop
// program and zt46 show the same text.

#include <string>

#include "core/util/PortProblems.h"

namespace zt46 {

class SerialPort;
class UserPrompts;

// `openError` is the QSerialPort error code of the failed open, `openErrorText` its text.
PortProblemFacts DiagnoseOpenFailure(const std::string& device, int openError,
                                     const std::string& openErrorText);
// Message 80 ("Problem with COM port") followed by the reason, for a port whose Reopen() failed.
std::string OpenFailureText(const SerialPort& port);
// Shows that message (id 80, OK button, stop icon).
void ReportOpenFailure(UserPrompts& prompts, const SerialPort& port);

} // namespace zt46
