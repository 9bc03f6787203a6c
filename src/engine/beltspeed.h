// The belt's speed and the force with which it carries the power: one
// formula each, for every place that derives them (the pulley data, the
// load of a linear drive, the checks of Go On).
#pragma once

namespace belt {

// The speed (m/s) of a belt on a pulley that turns at pulleySpeed (rad/s)
// with the pitch diameter pitchDiameter (m): v = n d / 2.
constexpr double BeltSpeed(double pulleySpeed, double pitchDiameter) {
    return pulleySpeed * pitchDiameter / 2;
}

// The peripheral force (N) with which a belt running at beltSpeed (m/s)
// carries power (W): F = P / v. The caller sees to a speed that is not 0.
constexpr double PeripheralForce(double power, double beltSpeed) {
    return power / beltSpeed;
}

// The torque (N m) on a pulley of pitchDiameter (m) that passes the
// peripheral force (N) to its belt: T = F d / 2.
constexpr double TorqueOnPulley(double peripheralForce, double pitchDiameter) {
    return peripheralForce * pitchDiameter / 2;
}

}  // namespace belt
