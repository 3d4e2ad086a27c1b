#pragma once

#include "platform/SerialPort.h"

#include <string>
#include <vector>

// The word that says whether a port opens: "ok", "permission denied", "busy", "missing", or
// "error: <the system's words>".
std::string PortStateWord(const CPortFault& fault);

// What the user can do about ports that failed for a known reason: one paragraph for each kind
// of failure (permission, busy, missing), naming the devices. Empty when no failure is known.
std::string PortFaultAdvice(const std::vector<CPortFault>& aFaults);

// strText unchanged, then a blank line and the advice when there is any.
std::string WithPortAdvice(const std::string& strText, const std::vector<CPortFault>& aFaults);
