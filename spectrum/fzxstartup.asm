; The start-up that Quorrel's tapes and snapshots put in front of the compact
; routine (fzxcompact.asm), laid out as the start of fzxprint.asm so that one
; loader and one snapshot fit both.
;
; Entry fz_start (offset 0): clears the screen to the colours in the
; parameters, sets the border, prints the text with fzx_print and waits for
; ever with interrupts on.

fz_start:
        jp      fz_boot
        jp      fzx_print

; Parameters of the start-up, at offset 6.
fz_p_text:      defw 0          ; text address
fz_p_font:      defw 0          ; font address
fz_p_x:         defb 0          ; left edge of the text
fz_p_y:         defb 0          ; top of the text
fz_p_attr:      defb 0x38       ; screen attribute: paper * 8 + ink
fz_p_border:    defb 7          ; border colour

fz_boot:
        ei                      ; a snapshot starts with them off: the frame
                                ; interrupt runs while the sample prints
        ld      a,(fz_p_border)
        and     7
        out     (0xFE),a
        ld      hl,0x4000
        ld      de,0x4001
        ld      bc,6143
        ld      (hl),0
        ldir
        inc     hl
        inc     de
        ld      a,(fz_p_attr)
        ld      (hl),a
        ld      bc,767
        ldir
        ld      hl,(fz_p_text)
        ld      de,(fz_p_font)
        ld      bc,(fz_p_x)     ; C = left edge, B = top
        call    fzx_print
fz_wait:
        halt
        jr      fz_wait

