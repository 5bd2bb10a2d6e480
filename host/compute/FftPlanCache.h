// Process-wide cache of FFTW plans and aligned FFT buffers for the spectral computation.
// The wavelet transform's worker threads ask it for plans; FFTW's planner is not
// thread-safe, so plans are created under one mutex and kept for the life of the process.
// Executing a cached plan on other buffers from this file (new-array execute) is safe from
// any number of threads at once.
#pragma once

#include <complex>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <utility>

#include <fftw3.h>

// Memory from fftw_malloc, so every buffer has the alignment the cached plans were made
// for (a requirement of new-array execute).
template <typename T>
class FftBuffer {
 public:
  FftBuffer() = default;
  explicit FftBuffer(std::size_t count)
      : m_data(static_cast<T*>(fftw_malloc(count * sizeof(T)))), m_size(count) {
    if (m_data == nullptr && count > 0) throw std::bad_alloc();
  }
  T* data() const { return m_data.get(); }
  std::size_t size() const { return m_size; }
  T& operator[](std::size_t i) const { return m_data.get()[i]; }

 private:
  struct Free {
    void operator()(T* p) const { fftw_free(p); }
  };
  std::unique_ptr<T, Free> m_data;
  std::size_t m_size = 0;
};

using FftComplex = std::complex<double>;  // layout-compatible with fftw_complex

class FftPlanCache {
 public:
  // The one cache of the process.
  static FftPlanCache& instance();

  // Out-of-place real-to-complex forward plan of length n (n real in, n/2 + 1 complex out).
  fftw_plan realForward(int n);
  // Out-of-place complex-to-real backward plan of length n (n/2 + 1 complex in, n real
  // out, unnormalised); like every such FFTW plan it overwrites its input.
  fftw_plan realBackward(int n);
  // Out-of-place complex forward (sign -1) or backward (sign +1) plan of length n,
  // unnormalised as FFTW defines it.
  fftw_plan complexForward(int n);
  fftw_plan complexBackward(int n);

  // Number of plans created so far (each distinct kind and length is planned once).
  std::size_t planCount();

  FftPlanCache(const FftPlanCache&) = delete;
  FftPlanCache& operator=(const FftPlanCache&) = delete;

 private:
  enum class Kind { RealForward, RealBackward, ComplexForward, ComplexBackward };
  FftPlanCache() = default;
  ~FftPlanCache();
  fftw_plan plan(Kind kind, int n);

  std::mutex m_mutex;
  std::map<std::pair<Kind, int>, fftw_plan> m_plans;
};

// Views of our buffers as FFTW's types.
inline fftw_complex* asFftw(FftComplex* p) { return reinterpret_cast<fftw_complex*>(p); }
