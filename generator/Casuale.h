#pragma once

// Random values for passwords. Every value comes from the system's cryptographic random source;
// a draw from n values rejects the words of the last, incomplete block of 2^32 so that no value is
// more likely than another.

#include <QtGlobal>

#include <array>
#include <cstddef>

namespace klavo::generatore {

class FonteCasuale {
public:
    virtual ~FonteCasuale() = default;

    // 32 random bits.
    virtual quint32 Parola() = 0;

    // An integer from 0 to n - 1, each with the same probability; n must be at least 1.
    quint32 Estrai(quint32 n);
};

// The operating system's cryptographic random source, read in small batches.
class FonteSistema final : public FonteCasuale {
public:
    quint32 Parola() override;

private:
    std::array<quint32, 64> scorta_{};
    std::size_t prossima_ = scorta_.size();
};

} // namespace klavo::generatore
