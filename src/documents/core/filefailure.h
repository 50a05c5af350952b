#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be read or written, in Greek, from the system's error code (errno) of the call that
// failed. The common causes get a Greek reason; for rare codes the result is empty and the caller shows the
// system's own text.
QString greekReasonForErrorCode(int errorCode);

// The reason to show for a failed operation on `file`: the Greek reason for `errorCode`, which the caller
// reads from errno right after the failing call (and sets to 0 before it), else the device's own error text.
QString fileFailureReason(const QFileDevice &file, int errorCode);
