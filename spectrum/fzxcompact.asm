; Quorrel's compact FZX print routine for the ZX Spectrum: a quarter of the
; size of fzxprint.asm, for programs short of memory. It sets the same screen
; as fzxprint.asm (and `quorrel-cli render --wrap`): each character Kern pixels over the end of the
; one before but never left of the line's left edge, the font's tracking after
; it, the font's height from one line to the next. A character that would pass
; the right edge of the screen starts a new line at the left edge, code 13 does
; the same, and a code below 32 or above the font's last character ends the
; text. Ink is ORed into the screen bitmap; attributes are left alone.
;
; Entry fzx_print:
;   HL = text, DE = font (the bytes of an FZX file),
;   B = top of the first line (0..191), C = its left edge (0..255).
; Changes AF, BC, DE and HL only; uses no ROM routine. Its variables live in
; its own instructions, so it must run from RAM. Assembles with pasmo and
; z80asm; put an ORG in front.

fzx_print:
        push    hl              ; the text pointer lives on the stack
        ld      a,c
        ld      (fc_x0+1),a
        ex      de,hl
        ld      a,(hl)
        ld      (fc_h+1),a
        inc     hl
        ld      a,(hl)
        ld      (fc_tr+1),a
        inc     hl
        ld      a,(hl)
        sub     31
        ld      (fc_last+1),a
        inc     hl
        ld      (fc_base+1),hl
        ld      a,b
        jr      fc_line         ; carry: a font without codes shows nothing
fc_end:
        pop     hl
        ret
fc_wrap:                        ; the character is read again on a new line
        pop     hl
        pop     hl
        dec     hl
        push    hl
; New line: y grows by the height, the pen returns to the left edge; the
; text ends when the line would start at or below the bottom of the screen.
fc_feed:
        ld      a,(fc_h+1)
        ld      hl,fc_y+1
        add     a,(hl)
fc_line:
        jr      c,fc_end
        cp      192
        jr      nc,fc_end
        ld      (fc_y+1),a
        ld      hl,0            ; pen 0: nothing on the line yet, as every
        ld      (fc_p+1),hl     ; character moves it on by its width at least
fc_next:
        pop     hl
        ld      a,(hl)
        inc     hl
        push    hl
        cp      13
        jr      z,fc_feed
        sub     32
        jr      c,fc_end
fc_last: cp     0
        jr      nc,fc_end
        ld      l,a
        ld      h,0
        ld      e,l
        ld      d,h
        add     hl,hl
        add     hl,de
fc_base: ld     de,0
        add     hl,de           ; HL = the character's entry
        ld      e,(hl)
        inc     hl
        ld      a,(hl)
        ld      b,a
        and     0x3F
        ld      d,a
        inc     hl
        ld      c,(hl)          ; C = leading * 16 + width - 1
        push    hl
        add     hl,de
        dec     hl
        dec     hl
        ex      (sp),hl         ; the definition
        inc     hl
        ld      e,(hl)
        inc     hl
        ld      a,(hl)
        and     0x3F
        ld      d,a
        dec     hl
        add     hl,de
        pop     de
        sbc     hl,de           ; HL = its length: up to the next definition
        push    de
        bit     3,c             ; two bytes a row when wider than 8
        jr      z,fc_r1
        srl     h
        rr      l
fc_r1:  ld      a,c             ; rows shown: those within the body
        rrca
        rrca
        rrca
        rrca
        and     15
        ld      e,a
fc_y:   ld      a,0
        add     a,e
        ld      (fc_top+1),a    ; top row of the pixels
        cp      192             ; below the screen: none
fc_h:   ld      a,0
        jr      c,fc_r2
        xor     a
fc_r2:  sub     e
        jr      nc,fc_r3
        xor     a
fc_r3:  inc     h               ; and no more than the definition holds
        dec     h
        jr      nz,fc_r4
        cp      l
        jr      c,fc_r4
        ld      a,l
fc_r4:  ld      (fc_cnt+1),a
; The pen (HL, right of the line's left edge) less the kern, never below 0.
; The character passing the right edge starts a new line unless it is the
; line's first: that one shows only the columns up to the edge.
        ld      a,b
        rlca
        rlca
        and     3
        ld      e,a
        ld      d,0
fc_p:   ld      hl,0
        sbc     hl,de
        jr      nc,fc_p1
        ld      h,d
        ld      l,d
fc_p1:  ld      a,h
        or      a
        jp      nz,fc_wrap
        ld      a,l
fc_x0:  add     a,0
        jp      c,fc_wrap
        ld      b,a
        ld      a,c
        and     15
        ld      e,a
        add     a,b
        ld      a,e
        jr      nc,fc_p2
        ld      hl,(fc_p+1)
        ld      a,h
        or      l
        jp      nz,fc_wrap
        ld      a,b
        cpl
fc_p2:  push    af              ; A = columns shown - 1
        scf
        adc     hl,de
fc_tr:  ld      e,0
        add     hl,de
        ld      (fc_p+1),hl     ; where the next character goes
        ld      a,(fc_cnt+1)
        or      a
        jp      z,fc_skip
        ld      a,c
        and     8
        jr      z,fc_d1
        ld      a,0x13          ; INC DE
fc_d1:  ld      (fc_step),a
        ld      a,b
        rrca
        rrca
        rrca
        and     31
        ld      c,a             ; C = the screen byte of the left column
        ld      a,b             ; each byte turns right by s = left mod 8:
        cpl                     ; the jump skips 7 - s of the rotations
        and     7
        ld      (fc_rot+1),a
        ld      a,b
        and     7
        call    fc_left
        ld      (fc_k1+1),a     ; the s bits that pass into the next byte
        cpl
        ld      (fc_k0+1),a
fc_top: ld      a,0             ; HL = the screen address of the top row
        ld      l,a
        rrca
        rrca
        rrca
        xor     l
        and     0x18
        xor     l
        and     0x1F
        or      0x40
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        pop     af
        ld      c,a
        pop     de
; One pass down the rows for each byte of a row, masking the bits beyond
; the columns shown.
fc_col: ld      a,c
        cp      7
        ld      a,0xFF
        jr      nc,fc_c1
        ld      a,c
        inc     a
        call    fc_left
fc_c1:  ld      (fc_w+1),a
        push    hl
        push    de
        push    bc
fc_cnt: ld      b,0
fc_row:
        ld      a,(de)
        inc     de
fc_step: nop                    ; INC DE for two bytes a row
fc_w:   and     0
fc_rot: jr      fc_rot1
fc_rot1:
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        ld      c,a
fc_k0:  and     0
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,c
fc_k1:  and     0
        or      (hl)
        ld      (hl),a
        dec     l
        inc     h               ; one pixel row down
        ld      a,h
        and     7
        jr      nz,fc_row2
        ld      a,l
        add     a,32
        ld      l,a
        ld      a,h
        jr      c,fc_row1
        sub     8
        ld      h,a
fc_row1:
        cp      0x58            ; the bottom of the screen
        jr      z,fc_row3
fc_row2:
        djnz    fc_row
fc_row3:
        pop     bc
        pop     de
        pop     hl
        inc     de
        inc     l
        ld      a,c
        sub     8
        ld      c,a
        jr      nc,fc_col
        jp      fc_next
fc_skip:
        pop     de
        pop     de
        jp      fc_next
; A = n -> A = its n leftmost bits set (all for n >= 8); B = 0.
fc_left:
        ld      b,a
        inc     b
        xor     a
        jr      fc_l2
fc_l1:  scf
        rra
fc_l2:  djnz    fc_l1
        ret
