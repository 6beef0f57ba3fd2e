#pragma once

class QRandomGenerator;

// Which of the four support texts the exit screen shows: r in [0, 1) to
// 0..3, each a quarter of the range. Public so that the range's ends can
// be checked: a generator gives them too rarely.
int SupportTextIndexFor(double r);

// One draw from the generator, through SupportTextIndexFor.
int DrawSupportTextIndex(QRandomGenerator &random);
