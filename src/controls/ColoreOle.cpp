#include "controls/ColoreOle.h"

#include <QPalette>

namespace {

constexpr std::uint32_t kBitSistema = 0x80000000u;

QPalette::ColorRole RuoloSistema(std::uint32_t indice) {
  switch (indice) {
    case 0x05: return QPalette::Base;          // window background
    case 0x08: return QPalette::Text;          // window text
    case 0x0D: return QPalette::Highlight;
    case 0x0E: return QPalette::HighlightedText;
    case 0x0F: return QPalette::Button;        // button face
    case 0x10: return QPalette::Dark;          // button shadow
    case 0x12: return QPalette::ButtonText;
    case 0x14: return QPalette::Light;         // 3D highlight
    case 0x18: return QPalette::ToolTipBase;
    default: return QPalette::Window;
  }
}

}  // namespace

QColor ColoreDaOle(std::uint32_t ole, const QPalette& tavolozza) {
  if (ole & kBitSistema) return tavolozza.color(RuoloSistema(ole & 0xFFu));
  return QColor(static_cast<int>(ole & 0xFFu), static_cast<int>((ole >> 8) & 0xFFu),
                static_cast<int>((ole >> 16) & 0xFFu));
}
