#pragma once

#include <QString>
#include <array>

// The text orders of the cell store's sort.
namespace grid {

/// The four numbers of an IP address text: digits are collected, other characters skipped; a '.' or
/// the last character closes the current number into the next place (missing places stay 0). An empty
/// number raises "'' ist kein gültiger Integerwert"; numbers after the fourth are ignored.
std::array<int, 4> ParseIPAddress(const QString& Text);

/// A >= B for IP address texts, comparing the fourth numbers first, then the third, second and first.
bool CompareIP(const QString& A, const QString& B);

/// Compares the texts as the system code page's bytes with ASCII letters lowered; a shorter prefix
/// comes first. Negative, 0 or positive.
int CompareCaseInsensitive(const QString& A, const QString& B);

} // namespace grid
