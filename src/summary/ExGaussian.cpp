#include "summary/ExGaussian.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace brevane::summary {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kMaxSteps = 200;
constexpr double kLogRootTwoPi = 0.91893853320467274178; // log(sqrt(2 pi))

// log P(Z <= z). erfc keeps the lower tail's precision down to about z = -37, where it
// underflows; below -30 the asymptotic series of the Mills ratio is exact to a few parts in 1e12.
double logNormalCdf(double z)
{
    if (z < -30) {
        const double q = 1 / (z * z);
        const double series = 1 - q * (1 - 3 * q * (1 - 5 * q * (1 - 7 * q)));
        return -0.5 * z * z - kLogRootTwoPi - std::log(-z) + std::log(series);
    }
    if (z < 0)
        return std::log(0.5 * std::erfc(-z / std::numbers::sqrt2));
    return std::log1p(-0.5 * std::erfc(z / std::numbers::sqrt2));
}

using Vec = std::array<double, 3>; // mu, sigma, tau
using Mat = std::array<Vec, 3>;    // symmetric

struct Sums {
    double ll = 0;
    Vec g{};
    Mat h{};
};

// The log-likelihood with its gradient and Hessian over (mu, sigma, tau). Per value, with
// d = x - mu and z = d / sigma - sigma / tau, the log density is A + log Phi(z) where
// A = -log tau - d / tau + sigma^2 / (2 tau^2); log Phi's derivatives in z are lambda = phi / Phi
// and lambda' = -lambda (z + lambda). A is linear in d and z's derivatives are at most
// quadratic in it, so one pass gathers sums of d, lambda and lambda' times powers of d, and the
// derivatives follow from them by the chain rule.
Sums sums(std::span<const double> values, const Vec& p)
{
    const double s = p[1], t = p[2], n = double(values.size());
    double sd = 0, sLogPhi = 0, sl = 0, sld = 0, sl1 = 0, sl1d = 0, sl1dd = 0;
    for (double x : values) {
        const double d = x - p[0], z = d / s - s / t;
        const double logPhi = logNormalCdf(z);
        const double lambda = std::exp(-0.5 * z * z - kLogRootTwoPi - logPhi);
        const double lambda1 = -lambda * (z + lambda);
        sd += d;
        sLogPhi += logPhi;
        sl += lambda;
        sld += lambda * d;
        sl1 += lambda1;
        sl1d += lambda1 * d;
        sl1dd += lambda1 * d * d;
    }
    const double s2 = s * s, t2 = t * t, t3 = t2 * t, t4 = t2 * t2;
    // z's derivatives: z_mu = -1 / s, z_sigma = u = -d / s^2 - 1 / t, z_tau = s / t^2.
    const double l1u = -sl1d / s2 - sl1 / t;                                // sum lambda' u
    const double l1uu = sl1dd / (s2 * s2) + 2 * sl1d / (s2 * t) + sl1 / t2; // sum lambda' u^2
    Sums out;
    out.ll = -n * std::log(t) - sd / t + n * s2 / (2 * t2) + sLogPhi;
    out.g = {n / t - sl / s, n * s / t2 - sld / s2 - sl / t, -n / t + sd / t2 - n * s2 / t3 + sl * s / t2};
    const double mm = sl1 / s2, ms = -l1u / s + sl / s2, mt = -n / t2 - sl1 / t2;
    const double ss = n / t2 + l1uu + 2 * sld / (s2 * s), st = -2 * n * s / t3 + s * l1u / t2 + sl / t2;
    const double tt = n / t2 - 2 * sd / t3 + 3 * n * s2 / t4 + sl1 * s2 / t4 - 2 * sl * s / t3;
    out.h = {{{mm, ms, mt}, {ms, ss, st}, {mt, st, tt}}};
    return out;
}

// Solves m x = b for a symmetric positive definite m by Cholesky; false when m is not.
bool solve(const Mat& m, const Vec& b, Vec& x)
{
    Mat l{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
            double sum = m[i][j];
            for (int k = 0; k < j; ++k)
                sum -= l[i][k] * l[j][k];
            if (i == j) {
                if (!(sum > 0))
                    return false;
                l[i][i] = std::sqrt(sum);
            } else {
                l[i][j] = sum / l[j][j];
            }
        }
    Vec y{};
    for (int i = 0; i < 3; ++i) {
        double sum = b[i];
        for (int k = 0; k < i; ++k)
            sum -= l[i][k] * y[k];
        y[i] = sum / l[i][i];
    }
    for (int i = 2; i >= 0; --i) {
        double sum = y[i];
        for (int k = i + 1; k < 3; ++k)
            sum -= l[k][i] * x[k];
        x[i] = sum / l[i][i];
    }
    return true;
}

struct Step {
    Vec p;
    Sums at;
    double decrement = 0; // g . delta: twice the rise the quadratic model foresaw
    bool pureNewton = false;
};

// One step up the log-likelihood: Newton's where the Hessian is negative definite and the step
// gains, otherwise Levenberg-Marquardt damping, more of it until a step gains. False when no
// damping helps.
bool climb(std::span<const double> values, const Vec& p, const Sums& at, Step& out)
{
    for (double damping : {0.0, 1e-4, 1e-3, 1e-2, 1e-1, 1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e8}) {
        Mat m{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                m[i][j] = -at.h[i][j] + (i == j ? damping * std::max(std::abs(at.h[i][i]), 1e-12) : 0);
        Vec delta{};
        if (!solve(m, at.g, delta))
            continue;
        const Vec next{p[0] + delta[0], p[1] + delta[1], p[2] + delta[2]};
        if (!(next[1] > 1e-3 && next[2] > 1e-3))
            continue;
        const Sums there = sums(values, next);
        if (!(there.ll >= at.ll - 1e-12 * std::abs(at.ll)))
            continue;
        out = {next, there, at.g[0] * delta[0] + at.g[1] * delta[1] + at.g[2] * delta[2], damping == 0};
        return true;
    }
    return false;
}

double moment(std::span<const double> values, double mean, int power)
{
    double sum = 0;
    for (double v : values)
        sum += std::pow(v - mean, power);
    return sum / double(values.size());
}

} // namespace

double exGaussianLogDensity(double x, const ExGaussian& p)
{
    const double z = (x - p.mu) / p.sigma - p.sigma / p.tau;
    return -std::log(p.tau) - (x - p.mu) / p.tau + p.sigma * p.sigma / (2 * p.tau * p.tau) + logNormalCdf(z);
}

ExGaussian exGaussianByMoments(std::span<const double> values)
{
    if (values.size() < 2)
        return {};
    double mean = 0;
    for (double v : values)
        mean += v;
    mean /= double(values.size());
    const double variance = moment(values, mean, 2);
    if (!(variance > 0))
        return {};
    const double skew = std::clamp(moment(values, mean, 3) / std::pow(variance, 1.5), 0.1, 1.8);
    const double share = std::cbrt(skew / 2); // tau / SD
    const double sd = std::sqrt(variance);
    return {mean - sd * share, sd * std::sqrt(1 - share * share), sd * share};
}

ExGaussianFit fitExGaussian(std::span<const double> values, int minimumValues)
{
    ExGaussianFit fit;
    if (int(values.size()) < std::max(minimumValues, 3))
        return fit;
    fit.status = FitStatus::NotConverged;
    const ExGaussian start = exGaussianByMoments(values);
    if (std::isnan(start.mu))
        return fit;
    Vec p{start.mu, start.sigma, start.tau};
    Sums at = sums(values, p);
    for (fit.steps = 1; fit.steps <= kMaxSteps && std::isfinite(at.ll); ++fit.steps) {
        Step step;
        if (!climb(values, p, at, step))
            break;
        p = step.p;
        at = step.at;
        // Newton's step from a negative definite Hessian foresaw a rise of under 1e-9 in the
        // log-likelihood: the maximum is reached to far below a millisecond in every parameter.
        if (step.pureNewton && step.decrement < 2e-9) {
            fit.status = FitStatus::Converged;
            fit.p = {p[0], p[1], p[2]};
            fit.logLikelihood = at.ll;
            return fit;
        }
    }
    fit.steps = std::min(fit.steps, kMaxSteps);
    return fit;
}

const char* fitStatusName(FitStatus status)
{
    switch (status) {
    case FitStatus::Converged:
        return "converged";
    case FitStatus::NotConverged:
        return "not converged";
    case FitStatus::TooFewRuns:
        break;
    }
    return "too few runs";
}

} // namespace brevane::summary
