// A small Newton solve for a group of bodies that no closed form places, on fixed-size
// Eigen matrices: no allocation, an analytic Jacobian from the caller, an iteration cap.
#pragma once

#include <Eigen/Core>
#include <Eigen/LU> // computeInverseWithCheck

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vt::gears {

// Iterations allowed: from the previous assembly of a turn, or the reference one, a well
// posed group converges in three to five.
inline constexpr int kNewtonIterations = 12;

// Residuals are lengths in the design's unit; this is zero for them at any real size.
inline constexpr double kNewtonTolerance = 1e-12;

// Solves f(x) = 0 from x. `f(x, r, J)` fills the residuals r and their Jacobian J = dr/dx.
// True when the largest residual is below tol * scale (scale: the group's size, so that
// the test is relative), or when a step shorter than that squared has been taken (the
// convergence is quadratic, so the residual left is far below the test); x then holds the
// root. False when the Jacobian is singular, a value is not finite, or the cap is reached;
// x then holds the last iterate.
template <int N, class F>
bool NewtonSolve(F&& f, Eigen::Matrix<double, N, 1>& x, double scale,
                 int maxIterations = kNewtonIterations, double tol = kNewtonTolerance) {
    using Vec = Eigen::Matrix<double, N, 1>;
    using Mat = Eigen::Matrix<double, N, N>;
    Vec r;
    Mat J, inverse;
    const double size = std::max(scale, 1.0);
    const double limit = tol * size;
    const double tinyStep = std::sqrt(tol) * 1e-3 * size;
    for (int i = 0; i <= maxIterations; ++i) {
        f(x, r, J);
        if (!r.allFinite()) return false;
        if (r.cwiseAbs().maxCoeff() < limit) return true;
        if (i == maxIterations) break;
        bool invertible = false;
        J.computeInverseWithCheck(inverse, invertible, std::numeric_limits<double>::min());
        if (!invertible) return false;
        const Vec step = inverse * r;
        x -= step;
        if (step.cwiseAbs().maxCoeff() < tinyStep) return x.allFinite();
    }
    return false;
}

// The start of the next solve of a group whose root moves smoothly with the crank: the
// last root carried on along the line through the last two, when the setting is the same
// and the step no longer than twice the last one nor 30 degrees; else the last root.
template <int N>
class RootTrack {
public:
    using Vec = Eigen::Matrix<double, N, 1>;

    void Reset(const Vec& x, double crank, double setting) {
        last_ = before_ = x;
        lastCrank_ = beforeCrank_ = crank;
        setting_ = setting;
    }
    void Keep(const Vec& x, double crank, double setting) {
        if (setting != setting_) return Reset(x, crank, setting);
        before_ = last_, beforeCrank_ = lastCrank_;
        last_ = x, lastCrank_ = crank;
    }
    Vec Guess(double crank, double setting) const {
        const double was = std::remainder(lastCrank_ - beforeCrank_, 2 * std::numbers::pi);
        const double now = std::remainder(crank - lastCrank_, 2 * std::numbers::pi);
        if (setting != setting_ || was == 0 || std::abs(now) > 2 * std::abs(was) ||
            std::abs(now) > kLongestStep)
            return last_;
        return last_ + (last_ - before_) * (now / was);
    }
    const Vec& Last() const { return last_; }
    double LastCrank() const { return lastCrank_; }
    double LastSetting() const { return setting_; }

private:
    static constexpr double kLongestStep = std::numbers::pi / 6; // a line fits 30 degrees
    Vec last_ = Vec::Zero(), before_ = Vec::Zero();
    double lastCrank_ = 0, beforeCrank_ = 0, setting_ = 0;
};

// Steps of a walk from the last solved pose to a far one.
inline constexpr int kWalkSteps = 24;

// Continuation for a pose too far from the last one for Newton to keep the branch: walks
// crank (the short way round) and setting from the last pose to the wanted one in equal
// steps, solving each with `solve(crank, setting)`, which returns the failed body or
// nullptr. Returns the first failure met on the way.
template <class Solve>
const char* Walk(double fromCrank, double fromSetting, double crank, double setting,
                 Solve&& solve) {
    const double turn = std::remainder(crank - fromCrank, 2 * std::numbers::pi);
    for (int i = 1; i <= kWalkSteps; ++i) {
        const double t = double(i) / kWalkSteps;
        const double c = i == kWalkSteps ? crank : fromCrank + t * turn;
        const double s = i == kWalkSteps ? setting : fromSetting + t * (setting - fromSetting);
        if (const char* failed = solve(c, s)) return failed;
    }
    return nullptr;
}

} // namespace vt::gears
