// Number texts with '.' for the point, whatever locale the C runtime is in.
// Every number the module or the stand-in writes for a person or a file goes
// through here: the panel's fields and spin buddies, the log, the stand-in's
// journal.
//
// The module shares its C runtime with the host and the host's other
// modules, and any of them may switch it to a decimal comma. printf alone
// would then write "1,5" into a field, and the field's own rule would refuse
// it; the log and the journal, which tests read, would change with it.
#pragma once

#include <cstddef>
#include <string>

// printf's "%.<precision>g", "%.<precision>f" and "%.<precision>e" of a
// double, character for character as printf writes them in the C locale
// ('.' for the point, an exponent of at least two digits, "inf", "-inf"),
// whatever locale the C runtime is in. A NaN is "nan" whatever its sign. A
// negative precision is printf's default of six. Texts of any length are
// written whole.
enum class DecimalForm { General, Fixed, Exponent };
std::string FormatDecimal(double value, DecimalForm form, int precision);

// FormatDecimal's last step, on a text printf wrote in text[0, length)
// under any locale: the point, one byte or several, becomes '.'. Returns the
// text's new length. Apart so that a point of several bytes can be tested
// where no such locale is installed.
size_t PointToDot(char* text, size_t length);
