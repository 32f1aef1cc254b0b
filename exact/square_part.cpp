#include "exact/square_part.h"

#include "exact/too_long.h"

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/multiprecision/miller_rabin.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include <cstdint>
#include <map>
#include <vector>

namespace {

// Trial division by every prime below 2^16 leaves a factor whose prime factors are all larger:
// below 2^48 it is a prime, a product of two primes or a square; above, a primality test
// settles it when it is prime, and a factor of over 256 bits is not tested.
constexpr std::uint32_t kTrialLimit = 1u << 16;
constexpr unsigned kLongestTested = 256;
constexpr unsigned kLongestSplit = 8192;
// A solution takes the same roots again and again; the answers are kept, up to this many.
constexpr std::size_t kRemembered = 4096;

const std::vector<std::uint32_t>& smallPrimes() {
    static const std::vector<std::uint32_t> primes = [] {
        std::vector<bool> composite(kTrialLimit, false);
        std::vector<std::uint32_t> found;
        for (std::uint32_t p = 2; p < kTrialLimit; ++p) {
            if (!composite[p]) {
                found.push_back(p);
                for (std::uint32_t multiple = p * p; multiple < kTrialLimit; multiple += p) {
                    composite[multiple] = true;
                }
            }
        }
        return found;
    }();
    return primes;
}

// Divides p out of rest as often as it goes; true while p^2 <= rest, so that larger primes can
// still divide it.
template <typename Number> bool divideOut(Number& rest, std::uint32_t p, SquarePart& part) {
    if (Number(p) * p > rest) {
        return false;
    }
    int exponent = 0;
    while (rest % p == 0) {
        rest /= p;
        ++exponent;
    }
    for (int i = 0; i < exponent / 2; ++i) {
        part.outside *= p;
    }
    if (exponent % 2 == 1) {
        part.inside *= p;
    }
    return true;
}

// The factor left over, whose prime factors are all beyond the trial division.
void settleRest(const Integer& rest, SquarePart& part) {
    if (rest == 1) {
        return;
    }
    const Integer root = sqrt(rest);
    if (root * root == rest) {
        part.outside *= root;
        return;
    }
    const bool settled =
        rest < Integer(1) << 48 || (boost::multiprecision::msb(rest) < kLongestTested &&
                                    boost::multiprecision::miller_rabin_test(rest, 25));
    if (!settled) {
        throw NumbersTooLong();
    }
    part.inside *= rest;
}

SquarePart split(const Integer& n) {
    SquarePart part{1, 1};
    if (boost::multiprecision::msb(n) < 64) {
        // Machine words while the number fits in one.
        std::uint64_t rest = static_cast<std::uint64_t>(n);
        for (const std::uint32_t p : smallPrimes()) {
            if (!divideOut(rest, p, part)) {
                break;
            }
        }
        settleRest(Integer(rest), part);
        return part;
    }
    Integer rest = n;
    for (const std::uint32_t p : smallPrimes()) {
        if (!divideOut(rest, p, part)) {
            break;
        }
    }
    settleRest(rest, part);
    return part;
}

} // namespace

SquarePart squarePart(const Integer& n) {
    if (boost::multiprecision::msb(n) >= kLongestSplit) {
        throw NumbersTooLong();
    }
    static std::map<Integer, SquarePart> remembered;
    const auto found = remembered.find(n);
    if (found != remembered.end()) {
        return found->second;
    }
    const SquarePart part = split(n);
    if (remembered.size() == kRemembered) {
        remembered.clear();
    }
    remembered.emplace(n, part);
    return part;
}
