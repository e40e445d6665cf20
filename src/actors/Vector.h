#pragma once

#include <cmath>

// Three single-precision floats. Stage positions keep z at 0.
struct Vector {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vector() = default;
    constexpr Vector(float x_, float y_, float z_ = 0.0f) : x(x_), y(y_), z(z_) {}

    constexpr Vector operator+(const Vector& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vector operator-(const Vector& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vector operator*(float s) const { return {x * s, y * s, z * s}; }
    constexpr Vector operator/(float s) const { return {x / s, y / s, z / s}; }
    Vector& operator+=(const Vector& o) { x += o.x; y += o.y; z += o.z; return *this; }
    Vector& operator-=(const Vector& o) { x -= o.x; y -= o.y; z -= o.z; return *this; }
    Vector& operator*=(float s) { x *= s; y *= s; z *= s; return *this; }
    constexpr bool operator==(const Vector& o) const { return x == o.x && y == o.y && z == o.z; }

    float length() const { return std::sqrt(x * x + y * y + z * z); }
    float dot(const Vector& o) const { return x * o.x + y * o.y + z * o.z; }
    // Divides by the length; a zero vector stays as it is instead of becoming NaN.
    Vector normalised() const {
        const float l = length();
        return l > 0.0f ? Vector{x / l, y / l, z / l} : *this;
    }
    bool isZero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }
};
