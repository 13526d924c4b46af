// The donation panel: one of nineteen thank-you cards, chosen at random when
// the main window is created and on every tick of its timer.
#pragma once

#include <QByteArray>

class QLabel;

namespace ui {

constexpr int kDonationPictures = 19;
constexpr int kDonationNumbers = 21;
constexpr int kDonationPeriodMs = 180000;

// The picture (1 … 19) that a drawn number (1 … 21) shows: numbers 6 and 7
// both give picture 6, 11 and 12 both give picture 10. 0 outside 1 … 21.
int donationPictureForNumber(int number);

// Reseeds from the millisecond clock, then draws a number from 1 to 21
// uniformly. Two reseeds within one millisecond still get different seeds.
int drawDonationNumber();

// The encoded bytes of picture 1 … 19, built into the program.
QByteArray donationPictureBytes(int picture);

// Draws a number and shows its picture in the picture box.
void showRandomDonationPicture(QLabel* pictureBox);

}  // namespace ui
