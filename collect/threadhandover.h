#pragma once
// The hand-over of a record from a Worker's thread to the window's through a queued signal. Qt
// copies the record into the event on the sending thread, and the receiving thread reads that
// copy once it has taken the event from Qt's queue, under a lock inside Qt that the thread
// sanitizer cannot see; when the sender's history is long (a list of hundreds of rows) the
// sanitizer also loses the copy's stack, so no suppression can name it. Kept as a record's last
// member, this marks the end of every copy (a release on the copy), and the receiver acquires it
// before it reads: the sanitizer then sees the order Qt's lock gives. Nothing in other builds.

#include <type_traits>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

struct ThreadHandover
{
    ThreadHandover() = default;
    // Members are copied in their order, so the release comes after the record's other fields.
    ThreadHandover(const ThreadHandover &) { release(); }
    ThreadHandover &operator=(const ThreadHandover &)
    {
        release();
        return *this;
    }
    ~ThreadHandover() = default;

    // On the receiving thread, before anything of the record is read.
    void acquire() const
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(const_cast<ThreadHandover *>(this));
#endif
    }

private:
    void release()
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_release(this);
#endif
    }
};

// Acquires the hand-over of each argument that is a record carrying one.
template<typename T, typename = void> struct CarriesHandover : std::false_type
{
};
template<typename T>
struct CarriesHandover<T, std::void_t<decltype(std::declval<const T &>().handover)>>
    : std::true_type
{
};
template<typename T> void acquireHandover(const T &arg)
{
    if constexpr (CarriesHandover<T>::value)
        arg.handover.acquire();
}
template<typename... Args> void acquireHandovers(const Args &...args)
{
    (acquireHandover(args), ...);
}
