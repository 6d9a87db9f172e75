// The spiral walk: angles, radii, gap modes, star points, decay and the pivot interpolation.
#include "spiral_geometry.h"

#include <algorithm>
#include <cmath>

#include "spiral_numbers.h"

namespace {

// Entry 0 is a full turn, entry k is π / k.
constexpr float kAngleSteps[21] = {
    6.28318f,   3.14159f,   1.570796f,   1.047197f,  0.785398f,   0.628318f,  0.523598f,
    0.4487988f, 0.392699f,  0.3490658f,  0.314159f,  0.28559932f, 0.2617993f, 0.24166095f,
    0.22439946f, 0.2094395f, 0.1963495f, 0.18479957f, 0.1745329f, 0.16534698f, 0.1570796f,
};

// " Spiral - Randomized" moves each step by up to a thirtieth of it, either way.
constexpr float kRandomTurn = 0.033333335f;

enum SpiralType : int32_t { kPlain = 0, kReversed = 1, kRandomized = 2, kDrifting = 3, kDriftWood = 4 };
enum GapMode : int32_t {
    kGapAsSetting = 0,
    kGapAlternate = 1,
    kGapAccumulate = 2,
    kGapShiftX = 3,
    kGapShiftY = 4,
    kGapShiftXY = 5,
    kGapAlternateArm = 6,
};
enum PivotMode : int32_t {
    kPivotStart = 0,
    kPivotPageCentre = 1,
    kPivotRandomOnPage = 2,
    kPivotOrigin = 3,
    kPivotViewCentre = 4,
    kPivotRandomInView = 5,
};

class Walk {
public:
    Walk(const SpiralParams& record, const SpiralMath& math, const SpiralSurroundings& surroundings, SpiralSink& sink)
        : p_(record), math_(math), around_(surroundings), sink_(sink) {
        points_ = std::max(record.pointsPerArm, 0);
        turns_ = record.spiralCount;
        T_ = spiralAngleStep(record.pointsPerArm);
        decayStep_ = math.divide(record.armDecay, 10000.0f);
        // No points per arm, no growth: a gap divided by 0 would run the radius off to infinity.
        gapStep_ = points_ == 0 ? 0.0f : math.divide(record.gap, static_cast<float>(points_));
        starStep_ = math.degreesToRadians(math.divide(record.starAngle, 100.0f) * T_);
        t_ = math.divide(record.interpAmount, 100.0f);
        rho_ = record.initialGap;
    }

    KvResult run() {
        switch (p_.armMode) {
        case kArmsContiguous: return onePath();
        case kArmsSeparate: return separateArms();
        default: return kResultOk;
        }
    }

private:
    KvResult onePath() {
        KV_PROPAGATE(sink_.beginPath());
        // Turn 0 only moves the radius and the decay on: the drawn spiral starts one gap out.
        for (int32_t turn = 0; turn <= turns_; ++turn) {
            KV_PROPAGATE(spend());  // also ends the loop long before turn could overflow
            choosePivot();
            for (int32_t k = 0; k < points_; ++k) {
                KV_PROPAGATE(spend());
                pointAngleStep();
                const KvRealPoint point = pointPosition(turn, k);
                if (turn > 0) KV_PROPAGATE(emit(point));
                starAngleStepOnePath();
                if (p_.starGap != 0.0f) {
                    const KvRealPoint star = starPosition(turn, k);
                    if (turn > 0) KV_PROPAGATE(emit(star));
                }
                delta_ += decayStep_;
                rho_ += gapStep_;
            }
        }
        return kResultOk;
    }

    KvResult separateArms() {
        int32_t createLeft = p_.createCount;
        int32_t skipLeft = 0;
        const int32_t turnPoints = static_cast<int32_t>(
            std::clamp<int64_t>(static_cast<int64_t>(points_) * turns_, INT32_MIN, INT32_MAX));
        for (int32_t arm = 0; arm < turns_; ++arm) {
            KV_PROPAGATE(spend());
            if (p_.spiralType != kDrifting && p_.spiralType != kDriftWood) theta_ = 0.0f;
            if (skipLeft > 0) {
                // A skipped arm still turns and grows, so the arms after it sit where they would.
                theta_ += T_;
                for (int32_t k = 0; k < points_; ++k) {
                    KV_PROPAGATE(spend());
                    if (p_.gapMode == kGapAccumulate) rho_ += static_cast<float>(arm) * p_.gapValue;
                    theta_ += 2.0f * T_;
                    rho_ += gapStep_;
                    delta_ += decayStep_;
                }
                createLeft = p_.createCount;
                --skipLeft;
                continue;
            }

            KV_PROPAGATE(sink_.beginPath());
            choosePivot();
            for (int32_t k = 0; k <= points_; ++k) {
                KV_PROPAGATE(spend());
                pointAngleStep();
                KV_PROPAGATE(emit(pointPosition(arm, k)));
                starAngleStepSeparate();
                if (p_.starGap != 0.0f && k < points_) KV_PROPAGATE(emit(starPosition(arm, k)));
                delta_ += decayStep_;
                rho_ += gapStep_;
            }
            // The next arm starts at this arm's last radius.
            rho_ -= gapStep_;
            delta_ -= decayStep_;
            if (p_.gapMode == kGapAccumulate) rho_ -= static_cast<float>(arm) * p_.gapValue;
            KV_PROPAGATE(sink_.endArm(arm, turnPoints));
            --createLeft;
            if (createLeft == 0) skipLeft = p_.skipCount;
        }
        return kResultOk;
    }

    KvResult spend() { return ++spent_ > kSpiralWalkLimit ? kResultTooManyPoints : kResultOk; }

    // ---- Angles.

    void takeTrig(float angle) {
        const float cosine = math_.cosine(angle);
        const float sine = math_.sine(angle);
        if (p_.spiralType == kReversed) {
            A_ = sine;
            B_ = cosine;
        } else {
            A_ = cosine;
            B_ = sine;
        }
    }

    // T moved by a random thirtieth at most: a sign draw, then a magnitude draw.
    float randomizedStep() {
        const float sign = math_.draw() > 0.5f ? -1.0f : 1.0f;
        return T_ * (1.0f + sign * math_.draw() * kRandomTurn);
    }

    void pointAngleStep() {
        switch (p_.spiralType) {
        case kRandomized: theta_ += randomizedStep(); break;
        case kDrifting:
            drift_ += T_ * 0.001f;
            theta_ += drift_ + T_;
            break;
        case kDriftWood:
            drift_ = T_ * 0.01f;
            theta_ += drift_ + T_;
            break;
        default: theta_ += T_; break;
        }
        takeTrig(theta_);
    }

    // One path: the star offset tilts the star point only and does not stay in θ.
    void starAngleStepOnePath() {
        theta_ += p_.spiralType == kRandomized ? randomizedStep() : T_;
        takeTrig(theta_ + starStep_);
    }

    // Separate arms: the star offset stays in θ and so accumulates along the arm.
    void starAngleStepSeparate() {
        switch (p_.spiralType) {
        case kRandomized: theta_ += randomizedStep() + starStep_; break;
        case kDrifting:
        case kDriftWood: theta_ += T_ + drift_ + starStep_; break;
        default: theta_ += T_ + starStep_; break;
        }
        takeTrig(theta_);
    }

    // ---- Positions.

    // The extra radius of the alternating gap modes.
    float alternateGap(int32_t index) const { return index % 2 == 0 ? p_.gapValue : 0.0f; }

    KvRealPoint placed(float radius, float shiftX, float shiftY) const {
        const float f = 1.0f - delta_;
        return {A_ * radius * f + shiftX + p_.startX, B_ * radius * f + shiftY + p_.startY};
    }

    // `index` is the turn (one path) or the arm (separate arms); `k` the point within it.
    KvRealPoint position(float radius, int32_t index, int32_t k) const {
        const float shift = static_cast<float>(index) * p_.gapValue;
        switch (p_.gapMode) {
        case kGapAsSetting: return placed(radius + p_.gapValue, 0.0f, 0.0f);
        case kGapAlternate: return placed(radius + alternateGap(k), 0.0f, 0.0f);
        case kGapShiftX: return placed(radius, shift, 0.0f);
        case kGapShiftY: return placed(radius, 0.0f, shift);
        case kGapShiftXY: return placed(radius, shift, shift);
        case kGapAlternateArm: return placed(radius + alternateGap(index), 0.0f, 0.0f);
        default: return placed(radius, 0.0f, 0.0f);  // kGapAccumulate, or no gap mode at all
        }
    }

    KvRealPoint pointPosition(int32_t index, int32_t k) {
        if (p_.gapMode == kGapAccumulate) rho_ += static_cast<float>(index) * p_.gapValue;
        return position(rho_, index, k);
    }

    KvRealPoint starPosition(int32_t index, int32_t k) const { return position(rho_ + p_.starGap, index, k); }

    // ---- Pivot and output.

    void choosePivot() {
        const KvRealPoint size = around_.documentSize;
        const KvRealRect& view = around_.viewBounds;
        hasPivot_ = true;
        switch (p_.pivotMode) {
        case kPivotStart: pivot_ = {p_.startX, p_.startY}; break;
        case kPivotPageCentre: pivot_ = {size.x / 2.0f, size.y / 2.0f}; break;
        case kPivotRandomOnPage: {
            const float x = math_.draw() * size.x;
            const float y = math_.draw() * size.y;
            pivot_ = {x, y};
            break;
        }
        case kPivotOrigin: pivot_ = {0.0f, 0.0f}; break;
        case kPivotViewCentre: pivot_ = around_.viewCentre; break;
        case kPivotRandomInView: {
            const float x = view.left + math_.draw() * (view.right - view.left);
            const float y = view.bottom + math_.draw() * (view.top - view.bottom);
            pivot_ = {x, y};
            break;
        }
        default: hasPivot_ = false; break;  // no pivot: the anchors stay where they are
        }
    }

    // The direction points stay where the point was computed; only the anchor moves toward the
    // pivot, which bends the path into curves. A point that is not finite is left out.
    KvResult emit(KvRealPoint point) {
        KvPathSegment segment{point, point, point, 0};
        if (hasPivot_) math_.pointInterpolate(&pivot_, &point, t_, &segment.anchor);
        if (!isFinitePoint(segment.anchor) || !isFinitePoint(point)) return kResultOk;
        return sink_.addSegment(segment);
    }

    const SpiralParams& p_;
    const SpiralMath& math_;
    const SpiralSurroundings& around_;
    SpiralSink& sink_;

    int32_t points_ = 0, turns_ = 0;
    float T_ = 0, decayStep_ = 0, gapStep_ = 0, starStep_ = 0, t_ = 0;
    float theta_ = 0, rho_ = 0, delta_ = 0, drift_ = 0, A_ = 0, B_ = 0;
    KvRealPoint pivot_{0.0f, 0.0f};
    bool hasPivot_ = false;
    int64_t spent_ = 0;
};

}  // namespace

float spiralAngleStep(int32_t pointsPerArm) { return kAngleSteps[std::clamp(pointsPerArm, 0, 20)]; }

KvResult WalkSpiral(const SpiralParams& record, const SpiralMath& math, const SpiralSurroundings& surroundings,
                    SpiralSink& sink) {
    return Walk(record, math, surroundings, sink).run();
}
