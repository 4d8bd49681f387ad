// SPDX-License-Identifier: GPL-3.0-or-later
// A text kept by every waypoint: a short one inside the object itself, a
// longer one in a heap block of exactly its size. A std::string costs 32
// bytes and, past 15 bytes, a second block with room to grow; a million
// waypoints never grow their texts in place, and the memory they fill is
// memory the kernel must zero first.
#pragma once

#include <compare>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

template <std::size_t Bytes> class CCompactText {
    static_assert(Bytes >= 16 && Bytes <= 128 && Bytes % 8 == 0);

public:
    // Texts of up to this many bytes stay inside the object.
    static constexpr std::size_t kInline = Bytes - 2;

    CCompactText() noexcept { SetInline(0); }
    CCompactText(std::string_view text) { Init(text); }
    CCompactText(const std::string& text) { Init(text); }
    CCompactText(const char* text) { Init(text); }
    CCompactText(const CCompactText& other) { Init(other.View()); }
    CCompactText(CCompactText&& other) noexcept {
        std::memcpy(m_bytes, other.m_bytes, Bytes);
        other.SetInline(0);
    }
    ~CCompactText() { Release(); }

    CCompactText& operator=(const CCompactText& other) { return *this = other.View(); }
    CCompactText& operator=(CCompactText&& other) noexcept {
        if (this != &other) {
            Release();
            std::memcpy(m_bytes, other.m_bytes, Bytes);
            other.SetInline(0);
        }
        return *this;
    }
    CCompactText& operator=(std::string_view text) {
        // Made aside first: text may be a part of this one.
        CCompactText copy(text);
        return *this = std::move(copy);
    }
    CCompactText& operator=(const std::string& text) { return *this = std::string_view(text); }
    CCompactText& operator=(const char* text) { return *this = std::string_view(text); }

    // Makes the text n bytes kept inside (n <= kInline), to be written in place.
    char* Fill(std::size_t n) noexcept {
        Release();
        SetInline(n);
        return m_bytes;
    }

    std::string_view View() const noexcept { return {data(), size()}; }
    operator std::string_view() const noexcept { return View(); }
    std::string str() const { return std::string(View()); }
    const char* data() const noexcept { return IsHeap() ? HeapPointer() : m_bytes; }
    const char* c_str() const noexcept { return data(); } // always ends in a NUL
    std::size_t size() const noexcept {
        return IsHeap() ? HeapSize() : static_cast<unsigned char>(m_bytes[Bytes - 1]);
    }
    std::size_t length() const noexcept { return size(); }
    bool empty() const noexcept { return size() == 0; }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + size(); }
    char operator[](std::size_t i) const noexcept { return data()[i]; }

    // One comparison for every kind of text: another overload would make
    // a literal on the right ambiguous.
    friend bool operator==(const CCompactText& a, std::string_view b) noexcept {
        return a.View() == b;
    }
    friend std::strong_ordering operator<=>(const CCompactText& a, std::string_view b) noexcept {
        return a.View() <=> b;
    }
    friend std::string operator+(const CCompactText& a, std::string_view b) {
        return std::string(a.View()).append(b);
    }
    friend std::string operator+(std::string_view a, const CCompactText& b) {
        return std::string(a).append(b.View());
    }
    friend std::ostream& operator<<(std::ostream& out, const CCompactText& text) {
        return out << text.View();
    }

private:
    static constexpr unsigned char kHeap = 0xFF; // the last byte when on the heap

    bool IsHeap() const noexcept { return static_cast<unsigned char>(m_bytes[Bytes - 1]) == kHeap; }
    char* HeapPointer() const noexcept {
        char* p;
        std::memcpy(&p, m_bytes, sizeof p);
        return p;
    }
    std::size_t HeapSize() const noexcept {
        std::uint32_t n;
        std::memcpy(&n, m_bytes + sizeof(char*), sizeof n);
        return n;
    }
    void SetInline(std::size_t size) noexcept {
        m_bytes[size] = '\0';
        m_bytes[Bytes - 1] = static_cast<char>(size);
    }
    void Init(std::string_view text) {
        if (text.size() <= kInline) {
            std::memcpy(m_bytes, text.data(), text.size());
            SetInline(text.size());
            return;
        }
        if (text.size() > UINT32_MAX)
            throw std::length_error("text too long");
        char* p = new char[text.size() + 1];
        std::memcpy(p, text.data(), text.size());
        p[text.size()] = '\0';
        const auto n = static_cast<std::uint32_t>(text.size());
        std::memcpy(m_bytes, &p, sizeof p);
        std::memcpy(m_bytes + sizeof p, &n, sizeof n);
        m_bytes[Bytes - 1] = static_cast<char>(kHeap);
    }
    void Release() noexcept {
        if (IsHeap())
            delete[] HeapPointer();
    }

    alignas(8) char m_bytes[Bytes];
};
