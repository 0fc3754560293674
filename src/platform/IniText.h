// SPDX-License-Identifier: MIT
#pragma once
// An INI file's text in memory: one value looked up, or one value changed
// with every other byte of the text left where it was. Section and key names
// match without regard to ASCII case, as the profile functions of the system
// the settings file comes from do.

#include <QByteArray>

namespace ini {

// The value of `key` in `section`, trimmed; `found` tells whether the key
// is there at all. Of duplicate keys the first one counts.
QByteArray value(const QByteArray &text, const QByteArray &section, const QByteArray &key,
                 bool *found = nullptr);

// `text` with `key` in `section` set to `value`: the key's own line changes,
// or a line is added at the end of the section, or the section is appended.
QByteArray withValue(const QByteArray &text, const QByteArray &section, const QByteArray &key,
                     const QByteArray &value);

} // namespace ini
