#pragma once

#include "image/Tables.h"

#include <QStringList>

/// The rules every table operation keeps, checked on a whole image. Returns one line per broken rule
/// (empty when all hold):
/// - the counters lie within their tables, ChannelCount = TvCount + RadioCount, and the counts record
///   holds ChannelCount and TvCount;
/// - every channel's transponder and provider index, every transponder's satellite index and every
///   favourite entry names a record;
/// - the transponders are ordered by satellite and each satellite's SatelliteNumber is its 0-based place;
/// - each favourite group has at most 255 members and both copies of its member count agree.
QStringList imageInvariantViolations(const image::SettingsImage& img);

/// In a Qt test: fails the test with the broken rules when the image breaks one.
#define QVERIFY_IMAGE_INVARIANTS(img)                                                                        \
    do {                                                                                                     \
        const QStringList violations_ = imageInvariantViolations(img);                                       \
        QVERIFY2(violations_.isEmpty(), qPrintable(violations_.join(QLatin1Char('\n'))));                    \
    } while (false)
