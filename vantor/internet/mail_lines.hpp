#pragma once

#include <compare>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::internet {

// A rendered mail: its lines in order, each without a line terminator. The
// bytes of all lines are held in one buffer, so that a mail of millions of
// short lines costs little more than its text.
class mail_lines {
public:
    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using iterator_concept = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using reference = std::string_view;
        using difference_type = std::ptrdiff_t;

        const_iterator() = default;
        std::string_view operator*() const { return (*lines_)[index_]; }
        std::string_view operator[](difference_type offset) const { return *(*this + offset); }
        const_iterator& operator++() { return *this += 1; }
        const_iterator operator++(int) {
            const const_iterator before = *this;
            ++*this;
            return before;
        }
        const_iterator& operator--() { return *this -= 1; }
        const_iterator operator--(int) {
            const const_iterator before = *this;
            --*this;
            return before;
        }
        const_iterator& operator+=(difference_type offset) {
            index_ = static_cast<std::size_t>(static_cast<difference_type>(index_) + offset);
            return *this;
        }
        const_iterator& operator-=(difference_type offset) { return *this += -offset; }
        friend const_iterator operator+(const_iterator at, difference_type offset) {
            return at += offset;
        }
        friend const_iterator operator+(difference_type offset, const_iterator at) {
            return at += offset;
        }
        friend const_iterator operator-(const_iterator at, difference_type offset) {
            return at -= offset;
        }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.index_ == b.index_;
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.index_ <=> b.index_;
        }

    private:
        friend class mail_lines;
        const_iterator(const mail_lines* lines, std::size_t index) : lines_(lines), index_(index) {}

        const mail_lines* lines_ = nullptr;
        std::size_t index_ = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    mail_lines() = default;
    mail_lines(std::initializer_list<std::string_view> lines);
    template <class InputIt>
    mail_lines(InputIt first, InputIt last) {
        for (; first != last; ++first) {
            push_back(*first);
        }
    }

    // Room for this many more lines holding this many more bytes in all.
    void reserve(std::size_t lines, std::size_t bytes);
    void push_back(std::string_view line);

    std::size_t size() const noexcept { return ends_.size(); }
    bool empty() const noexcept { return ends_.empty(); }
    // The bytes of all lines together, without terminators.
    std::size_t text_size() const noexcept { return text_.size(); }

    std::string_view operator[](std::size_t index) const;
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const mail_lines&, const mail_lines&) = default;

private:
    std::string text_;
    std::vector<std::size_t> ends_;  // where each line's bytes end in text_
};

}  // namespace vantor::internet
