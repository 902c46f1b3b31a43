// Translucency of a window: opaque, one constant alpha, or one colour made
// fully transparent. The property setters decide when the window's layer must
// be applied again; applying it is the Windows side's part (LayeredForm_win).
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>

namespace wx {

enum TLayerType : uint8_t { ltNone = 0, ltAlphaBlend = 1, ltColorKey = 2 };

// A misplaced translucency component (not on a top-level window, or a second one).
class ELayeredFormError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TLayeredForm {
 public:
  // Called with the whole state whenever the window's layer must change.
  using ApplyFn = std::function<void(TLayerType type, uint8_t alpha, uint32_t colorKey)>;

  explicit TLayeredForm(ApplyFn apply) : apply_(std::move(apply)) {}

  uint8_t Alpha() const { return alpha_; }
  uint32_t ColorKey() const { return colorKey_; }  // 0x00BBGGRR
  TLayerType LayerType() const { return layerType_; }

  // Stored; applied when the layer type uses it.
  void SetAlpha(uint8_t alpha) {
    alpha_ = alpha;
    if (layerType_ == ltAlphaBlend) Apply();
  }
  void SetColorKey(uint32_t colorKey) {
    colorKey_ = colorKey;
    if (layerType_ == ltColorKey) Apply();
  }
  // Applied only when it changes.
  void SetLayerType(TLayerType type) {
    if (type == layerType_) return;
    layerType_ = type;
    Apply();
  }

 private:
  void Apply() {
    if (apply_) apply_(layerType_, alpha_, colorKey_);
  }

  ApplyFn apply_;
  uint8_t alpha_ = 255;
  uint32_t colorKey_ = 0;  // black
  TLayerType layerType_ = ltNone;
};

}  // namespace wx
