#include "Generator.h"

#include "core/BookingFile.h"

#include <algorithm>
#include <array>
#include <random>

namespace tivra::bench {
namespace {

template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items, std::mt19937& random) {
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

int between(int low, int high, std::mt19937& random) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

std::string twoDigits(int value) {
    // Appended, not "0" + temporary, which GCC 12 at -O3 flags falsely under -Wrestrict.
    std::string out = value < 10 ? "0" : "";
    out += std::to_string(value);
    return out;
}

std::string signatureOf(std::mt19937& random) {
    static const std::array<const char*, 12> signatures = {
        "ANN", "BO", "\xC5SA", "\xD6ZL", "KAL", "LENA", "M\xC4R", "PER", "SVEN", "ULF", "\xC4NG", "EVA"};
    return pick(signatures, random);
}

std::string commentOf(std::mt19937& random) {
    static const std::array<const char*, 12> comments = {"Prov i fysik",
                                                         "Fika f\xF6r personalen",
                                                         "F\xF6r\xE4ldram\xF6te \xE5rskurs 9",
                                                         "Omprov matematik 2c",
                                                         "Studiedag",
                                                         "Elevr\xE5"
                                                         "d",
                                                         "Genomg\xE5ng inf\xF6r praktik",
                                                         "Skrivning svenska \xC5k 1",
                                                         "Lunchm\xF6te ledningsgrupp",
                                                         "Repetition k\xF6r",
                                                         "Bes\xF6k fr\xE5n h\xF6gskolan",
                                                         ""};
    return pick(comments, random);
}

std::string objectOf(std::mt19937& random) {
    static const std::array<const char*, 10> objects = {
        "AULA",        "BIBLIOTEKET", "DATORSAL 2", "GYMNASTIKSAL", "MUSIKSAL",
        "PROJEKTOR 3", "SAL 101",     "SAL 214",    "KEMISAL",      "SL\xD6JDSAL"};
    return pick(objects, random);
}

// A school-year week (34 to 76), now and then a range of a few weeks.
std::string weekOf(std::mt19937& random) {
    int first = between(34, 76, random);
    if (between(1, 10, random) > 2) {
        return std::to_string(first);
    }
    return std::to_string(first) + "-" + std::to_string(std::min(76, first + between(1, 8, random)));
}

} // namespace

std::vector<Bokning> generateBookings(int count, unsigned seed) {
    std::mt19937 random(seed);
    static const std::array<int, 7> lengths = {30, 40, 45, 60, 80, 90, 120};
    std::vector<Bokning> bookings(static_cast<std::size_t>(count));
    for (Bokning& b : bookings) {
        b.signatur = signatureOf(random);
        b.kommentar = commentOf(random);
        b.langd = std::to_string(pick(lengths, random));
        b.dag = std::to_string(between(1, 5, random));
        b.starttid = twoDigits(between(8, 16, random)) + "." + twoDigits(5 * between(0, 11, random));
        b.objekt = objectOf(random);
        b.vecka = weekOf(random);
    }
    return bookings;
}

std::string bookingFileOf(const std::vector<Bokning>& bookings) {
    std::vector<std::string> rad(1);
    rad.reserve(bookings.size() * 9 + 1);
    for (const Bokning& b : bookings) {
        for (int j = 1; j <= 9; ++j) {
            rad.push_back(b.field(j));
        }
    }
    return bookingFileBytes(static_cast<int>(bookings.size()), rad);
}

std::string largestBookingFile(unsigned seed) {
    return bookingFileOf(generateBookings(kMaxBookingsInFile, seed));
}

} // namespace tivra::bench
