#pragma once

// Texts whose graphemes are more than one code point or more than one column wide.
#define ACUTE "e\u0301"                                      // e + combining acute: 3 bytes
#define FAMILY "\U0001F468\u200D\U0001F469\u200D\U0001F467"  // ZWJ family: 18 bytes
