#pragma once
// Owns one reference of a COM-shaped object and releases it once, on every path.

#include "platform/wmi.h"

template<typename T> class ComPtr
{
public:
    ComPtr() = default;
    explicit ComPtr(T *p)
        : m_p(p)
    {
    }
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;
    ComPtr(ComPtr &&other) noexcept
        : m_p(other.m_p)
    {
        other.m_p = nullptr;
    }
    ComPtr &operator=(ComPtr &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_p = other.m_p;
            other.m_p = nullptr;
        }
        return *this;
    }

    T *get() const { return m_p; }
    T *operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T **put()
    {
        reset();
        return &m_p;
    }
    void reset()
    {
        if (m_p) {
            T *p = m_p;
            m_p = nullptr;
            p->Release();
        }
    }

private:
    T *m_p = nullptr;
};
