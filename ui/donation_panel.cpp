#include "donation_panel.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <chrono>
#include <cstdint>
#include <random>

namespace ui {

int donationPictureForNumber(int number) {
    static constexpr int table[kDonationNumbers] = {1, 2, 3, 4, 5, 6, 6, 7, 8, 9, 10,
                                                    10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    return number >= 1 && number <= kDonationNumbers ? table[number - 1] : 0;
}

int drawDonationNumber() {
    // The clock alone repeats within a millisecond; a running count mixed
    // in keeps every reseed distinct.
    static std::uint64_t reseeds = 0;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    std::seed_seq seed{static_cast<std::uint32_t>(ms), static_cast<std::uint32_t>(ms >> 32),
                       static_cast<std::uint32_t>(++reseeds)};
    std::mt19937 generator(seed);
    return std::uniform_int_distribution<int>(1, kDonationNumbers)(generator);
}

QByteArray donationPictureBytes(int picture) {
    if (picture < 1 || picture > kDonationPictures) return {};
    QFile file(QStringLiteral(":/donation/donation-%1.png").arg(picture, 2, 10, QChar(u'0')));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void showRandomDonationPicture(QLabel* pictureBox) {
    const int picture = donationPictureForNumber(drawDonationNumber());
    QPixmap pixmap;
    pixmap.loadFromData(donationPictureBytes(picture), "PNG");
    pictureBox->setPixmap(pixmap);
    pictureBox->setProperty("donationPicture", picture);
}

}  // namespace ui
