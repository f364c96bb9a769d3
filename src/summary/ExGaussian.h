#pragma once
// The ex-Gaussian: a normal part (mean mu, SD sigma) plus an exponential part (mean tau), the
// usual model of a reaction-time distribution, whose slow tail is tau. Fitted by maximum
// likelihood with damped Newton steps on the log-likelihood from a start by the moments; pure
// functions over plain values, in milliseconds.

#include <limits>
#include <span>

namespace brevane::summary {

struct ExGaussian {
    double mu = std::numeric_limits<double>::quiet_NaN();
    double sigma = std::numeric_limits<double>::quiet_NaN();
    double tau = std::numeric_limits<double>::quiet_NaN();
};

// The log of the density at x. The normal distribution function's lower tail is taken in log
// space, so that a time far below mu, or a tau far below sigma, gives a finite value.
double exGaussianLogDensity(double x, const ExGaussian& p);

// The start of the fit: mean, SD and skewness matched, with the skewness held inside the
// ex-Gaussian's (0, 2).
ExGaussian exGaussianByMoments(std::span<const double> values);

enum class FitStatus {
    Converged,    // a maximum inside sigma > 0, tau > 0 was found
    NotConverged, // none within the steps allowed (the times have no exponential tail, say)
    TooFewRuns    // fewer values than the fit asks for; not tried
};

struct ExGaussianFit {
    ExGaussian p; // NaN unless converged
    FitStatus status = FitStatus::TooFewRuns;
    int steps = 0;
    double logLikelihood = std::numeric_limits<double>::quiet_NaN();
};

ExGaussianFit fitExGaussian(std::span<const double> values, int minimumValues);

// "converged", "not converged", "too few runs": as the tables write the status.
const char* fitStatusName(FitStatus status);

} // namespace brevane::summary
