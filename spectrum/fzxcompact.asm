; Quorrel's compact FZX print routine for the ZX Spectrum: under a quarter of
; the size of fzxprint.asm, for programs short of memory. It sets the same
; screen as fzxprint.asm (and `quorrel-cli render --wrap`): each character
; Kern pixels over the end of the one before but never left of the line's
; left edge, the font's tracking after it, the font's height from one line to
; the next. A character that would pass the right edge of the screen starts a
; new line at the left edge, code 13 does the same, and a code below 32 or
; above the font's last character ends the text. Ink is ORed into the screen
; bitmap; attributes are left alone.
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
        jr      fc_line
fc_wrap:                        ; the character is read again on a new line
        pop     hl
        pop     hl
        dec     hl
        push    hl
; New line at the bottom of the last one, the pen at the left edge; the
; text ends when the line would start at or below the bottom of the screen.
; A line's bottom, min(top + height, 192), also ends what its characters
; show, so the rows need no other limit. Both tests are carries out of
; top + 64, which passes 255 just where top passes 191.
fc_feed:
fc_bot: ld      a,0
fc_line:
        ld      (fc_y+1),a
        add     a,64
        jr      c,fc_end
fc_h:   add     a,0
        jr      nc,fc_b1
        xor     a               ; 192 after the SUB
fc_b1:  sub     64
        ld      (fc_bot+1),a
        ld      hl,0            ; pen 0: nothing on the line yet, as every
        ld      (fc_p+1),hl     ; character moves it on by its width at least
fc_next:
        pop     hl
        ld      a,(hl)
        inc     hl
        push    hl
        cp      13
        jr      z,fc_feed
        sub     32              ; codes below 32 come out above any last - 31
fc_last: cp     0
        jr      c,fc_char
fc_end: pop     hl
        ret
fc_char:
        ld      e,a
        ld      d,0
fc_base: ld     hl,0
        add     hl,de
        add     hl,de
        add     hl,de           ; HL = the character's entry
        inc     hl
        push    hl              ; its offset's high byte, kept
        ld      a,(hl)
        inc     hl
        ld      c,(hl)          ; C = leading * 16 + width - 1
        rlca
        rlca
        and     3
        ld      e,a             ; DE = kern (D is still 0)
; The pen (HL, right of the line's left edge) less the kern, never below 0.
; A character passing the right edge starts a new line unless it is the
; line's first (B = 1): that one shows only the columns up to the edge.
fc_p:   ld      hl,0
        ld      a,h
        or      l
        inc     a
        ld      b,a
        sbc     hl,de
        jr      nc,fc_p1
        ld      h,d
        ld      l,d
fc_p1:  ld      a,h
        or      a
        jr      nz,fc_wrap
        ld      a,c
        and     15
        ld      e,a             ; E = width - 1
        ld      a,l
fc_x0:  add     a,0
        jr      c,fc_wrap
        ld      (fc_lc+1),a     ; the left column on the screen
        cpl
        cp      e
        jr      nc,fc_fit
        djnz    fc_wrap
        defb    0xFE            ; CP n: skips the LD, A = columns - 1 to the edge
fc_fit: ld      a,e
        ld      (fc_cols+1),a   ; columns shown - 1
        inc     hl
        add     hl,de
fc_tr:  ld      e,0
        add     hl,de
        ld      (fc_p+1),hl     ; where the next character goes
; The definition (entry + offset) runs up to the next character's.
        pop     hl
        push    hl
        ld      a,(hl)
        and     0x3F
        ld      d,a
        dec     hl
        ld      e,(hl)
        add     hl,de
        ex      (sp),hl
        inc     hl
        inc     hl
        inc     hl
        ld      a,(hl)
        and     0x3F
        ld      d,a
        dec     hl
        ld      e,(hl)
        add     hl,de           ; carries when the font ends at 65535
        pop     de              ; DE = the definition
        or      a
        sbc     hl,de           ; HL = its bytes
        xor     a               ; NOP
        bit     3,c             ; two bytes a row when wider than 8
        jr      z,fc_r0
        srl     h
        rr      l
        ld      a,0x13          ; INC DE
fc_r0:  ld      (fc_step),a
; Rows shown: those the definition holds above the line's bottom.
        ld      a,c
        rrca
        rrca
        rrca
        rrca
        and     15
fc_y:   add     a,0
        ld      c,a             ; C = the top row
        ld      a,(fc_bot+1)
        sub     c
        jr      c,fc_done       ; the top is below the line
        inc     h
        dec     h
        jr      nz,fc_r3
        cp      l
        jr      c,fc_r3
        ld      a,l
fc_r3:  or      a
        jr      z,fc_done
        ld      b,a             ; B = the rows, kept through both passes
        ld      a,c             ; HL = the screen address of the top row
        rrca
        rrca
        rrca
        xor     c
        and     0x18
        xor     c
        and     0x1F
        or      0x40
        ld      h,a
        ld      a,c
        rla
        rla
        ld      l,a
fc_lc:  ld      a,0
        ld      c,a
        rrca
        rrca
        rrca
        xor     l
        and     31
        xor     l
        ld      l,a
        ld      a,c             ; each byte turns right by s = left mod 8,
        and     7               ; as left by 8 - s: the jump skips s of the
        ld      (fc_rot+1),a    ; rotations
        call    fc_lbits
        ld      (fc_k1+1),a     ; the s bits that pass into the next byte
        cpl
        ld      (fc_k0+1),a
; One pass down the rows for each byte of a row, masking the bits beyond
; the columns shown.
fc_cols: ld     c,0
fc_col: push    hl
        push    de
        push    bc
        ld      a,6             ; 0xFF for a whole byte, else the mask from
        cp      c               ; the loop
        sbc     a,a
        call    z,fc_lbc
        ld      (fc_w+1),a
fc_row:
        ld      a,(de)
        inc     de
fc_step: nop                    ; INC DE for two bytes a row
fc_w:   and     0
fc_rot: jr      fc_rot1
fc_rot1:
        rlca
        rlca
        rlca
        rlca
        rlca
        rlca
        rlca
        rlca
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
        ld      a,l             ; the next cell row: L + 32, and H - 8
        sub     0xE0            ; unless that passes into the next third
        ld      l,a
        sbc     a,a
        and     0xF8
        add     a,h
        ld      h,a
fc_row2:
        djnz    fc_row
        pop     bc
        pop     de
        pop     hl
        inc     de
        inc     l
        ld      a,c
        sub     8
        ld      c,a
        jr      nc,fc_col
fc_done: jp     fc_next
; A = n, or C + 1 from fc_lbc -> A = its n leftmost bits set (n <= 8).
; Counts in C, as B holds the rows.
fc_lbc: ld      a,c
        inc     a
fc_lbits:
        ld      c,a
        xor     a
fc_l1:  dec     c
        ret     m
        scf
        rra
        jr      fc_l1
