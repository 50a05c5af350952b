#pragma once

#include "documents/core/characterencodings.h"

#include <QByteArrayView>

#include <optional>

// How many bytes at the start of a file browsers look at for a declared character set.
constexpr qsizetype prescanLength = 1024;

// The character set that a page declares, found the way browsers pre-scan its first bytes before decoding
// them: markup only, comments and attribute values skipped, in the first `<meta>` whose `charset`, or whose
// `content` together with `http-equiv="content-type"`, names an encoding browsers know; else in an XML
// declaration at the very start. A UTF-16 or x-user-defined declaration counts as UTF-8 or windows-1252, as
// it does for browsers. The caller passes the bytes to look at (browsers look at the first `prescanLength`);
// nothing when none of them declares an encoding.
std::optional<CharacterEncoding> prescanEncoding(QByteArrayView bytes);
