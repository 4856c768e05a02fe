#pragma once
// The per-file key that unscrambles track text: eight decimal digits, the fifth
// and the eighth counted twice.

inline int KeyDigit(char c)
{
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

inline int ScrambleKey(const char* digits)
{
    int key = 0;
    for (int i = 0; i < 8; ++i)
        key += KeyDigit(digits[i]);
    return key + KeyDigit(digits[4]) + KeyDigit(digits[7]);
}
