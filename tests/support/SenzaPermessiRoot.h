#pragma once

// Root ignores file permissions. For its lifetime this drops the capabilities
// that let it (from the effective set only), so a read-only folder refuses
// writes as it would for a user; they are raised again at the end.
class SenzaPermessiRoot {
 public:
  SenzaPermessiRoot();
  ~SenzaPermessiRoot();
  SenzaPermessiRoot(const SenzaPermessiRoot&) = delete;
  SenzaPermessiRoot& operator=(const SenzaPermessiRoot&) = delete;

 private:
  bool abbassati_ = false;
};
