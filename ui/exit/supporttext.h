#pragma once

class QRandomGenerator;

// Which of the four support texts the exit screen shows for r in [0, 1):
// 0..3, each a quarter of the range, a value just below 1 giving 3.
int SupportTextIndexFor(double r);

// One draw from the generator, through SupportTextIndexFor.
int DrawSupportTextIndex(QRandomGenerator &random);
