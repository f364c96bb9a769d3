#pragma once
#include <random>

namespace brevane {

// The one uniform generator every test draws its intervals and elements from, reseeded from
// the time of day. A test of an engine hands it one that returns the values the test chose.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0; // [0, 1)
    // Mixes the time of day into the generator's state: two reseeds within the same tick of
    // the clock do not restart the same sequence.
    virtual void reseedFromTimeOfDay() = 0;
};

class MersenneRandom final : public RandomSource {
public:
    double next() override;
    void reseedFromTimeOfDay() override;

private:
    std::mt19937 engine_{5489u};
};

} // namespace brevane
