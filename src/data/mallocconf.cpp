// SPDX-License-Identifier: GPL-3.0-or-later
// jemalloc's settings, read by the allocator before the first allocation.
// Its memory is backed by transparent huge pages: filling a big document
// touches hundreds of megabytes of fresh memory, and with 4 KiB pages most
// of the time went to page faults. One arena keeps the few worker threads
// from each holding huge pages of their own.
extern "C" {
extern const char* malloc_conf;
const char* malloc_conf = "thp:always,narenas:1";
}
