#pragma once
// The library is built with hidden symbols; only what carries this is public.
#define KELMORA_EXPORT __attribute__((visibility("default")))
